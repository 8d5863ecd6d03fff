// Any bytes after the program name, as the platform hands the whole line over.
#include "CommandLine.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    // The line ends at its first NUL, as a C string does.
    std::string line = "\"C:\\WINDOWS\\Orvanta.scr\" ";
    line.append(reinterpret_cast<const char*>(pData), nSize);
    const SaverCommand command = ParseCommandLine(line.c_str());
    if (command.m_nMode > MODE_NONE ||
        (command.m_nWindow != 0 && command.m_nMode != MODE_SAVER && command.m_nMode != MODE_CHANGE_PASSWORD))
        __builtin_trap();
    return 0;
}
