// Expands arbitrary text; the first byte picks one of a few system directories.
#include "payload/InstallScript.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    static const char* const kDirs[] = {"C:\\WINDOWS\\system32", "C:\\", "", "C:\\\x95\x5c", "$(SYSTEMDIR)"};
    if (nSize == 0)
        return 0;
    std::string text(reinterpret_cast<const char*>(pData) + 1, nSize - 1);
    CInstallScript::ExpandMacros(text, kDirs[pData[0] % 5]);
    return 0;
}
