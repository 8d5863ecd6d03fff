// Parses arbitrary bytes as an install script and expands every value it found.
#include "payload/InstallScript.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    CInstallScript script;
    script.Parse(reinterpret_cast<const char*>(pData), nSize);
    for (FileEntry& entry : script.m_files)
        CInstallScript::ExpandMacros(entry.m_strDestination, "C:\\WINDOWS\\system32");
    CInstallScript::ExpandMacros(script.m_strScreenSaver, "C:\\\x95\x5c");
    return 0;
}
