#include "rules/ProgramsListValues.h"

#include "ProductIdentity.h"

const char kProductKey[] = ORVANTA_PRODUCT_ID;
const char kUninstallKeyPath[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" ORVANTA_PRODUCT_ID;

namespace {

const char kDisplayVersion[] = "1.0.0.1";

ProgramsListValue Text(const char* pszName, const std::string& strText)
{
    return ProgramsListValue{pszName, false, strText, 0};
}

ProgramsListValue Number(const char* pszName, uint32_t nNumber)
{
    return ProgramsListValue{pszName, true, std::string(), nNumber};
}

uint32_t KilobytesOf(uint64_t nBytes)
{
    const uint64_t nKilobytes = (nBytes + 1023) / 1024;
    return nKilobytes > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(nKilobytes);
}

}  // namespace

std::string UninstallCommand(const std::string& strUninstaller, bool bSilent)
{
    return "\"" + strUninstaller + "\" /uninstall" + (bSilent ? " /S" : "");
}

std::vector<ProgramsListValue> ProgramsListValues(const ProgramsListFacts& facts)
{
    std::vector<ProgramsListValue> values = {
        Text("DisplayName", facts.m_strProductName),
        Text("DisplayVersion", kDisplayVersion),
        Text("InstallLocation", facts.m_strFolder),
        Number("EstimatedSize", KilobytesOf(facts.m_nInstalledBytes)),
        Number("NoModify", 1),
        Number("NoRepair", 1),
        Text("UninstallString", UninstallCommand(facts.m_strUninstaller, false)),
        Text("QuietUninstallString", UninstallCommand(facts.m_strUninstaller, true)),
    };
    if (!facts.m_strSaverPath.empty())
        values.push_back(Text("DisplayIcon", facts.m_strSaverPath));
    return values;
}
