// Parses arbitrary command lines; whatever the parse, the uninstall entry's own commands built
// from the same bytes as a path (without quotes) must still ask for an uninstall.
#include "rules/InstallerSwitches.h"
#include "rules/ProgramsListValues.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    const std::string text(reinterpret_cast<const char*>(pData), nSize);
    ParseSwitches(ArgumentsOf(text));
    if (text.find('"') != std::string::npos)
        return 0;
    const InstallerSwitches quiet = ParseSwitches(ArgumentsOf(UninstallCommand(text, true)));
    if (!quiet.m_bUnderstood || !quiet.m_bUninstall || !quiet.m_bSilent)
        abort();
    return 0;
}
