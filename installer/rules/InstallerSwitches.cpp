#include "rules/InstallerSwitches.h"

#include "ShiftJisPath.h"

#include <vector>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::vector<std::string> Tokens(const std::string& strText)
{
    std::vector<std::string> tokens;
    size_t i = 0;
    while (i < strText.size()) {
        while (i < strText.size() && IsBlank(strText[i]))
            ++i;
        if (i == strText.size())
            break;
        std::string strToken;
        bool bQuoted = false;
        for (; i < strText.size() && (bQuoted || !IsBlank(strText[i])); ++i) {
            if (strText[i] == '"')
                bQuoted = !bQuoted;
            else
                strToken += strText[i];
        }
        tokens.push_back(strToken);
    }
    return tokens;
}

// The switch's name in lower case, or empty when the token is no switch.
std::string SwitchName(const std::string& strToken)
{
    if (strToken.size() < 2 || (strToken[0] != '/' && strToken[0] != '-'))
        return std::string();
    std::string strName;
    for (size_t i = 1; i < strToken.size(); ++i)
        strName += AsciiLower(strToken[i]);
    return strName;
}

bool ParseHandle(const std::string& strText, unsigned long long& nHandle)
{
    if (strText.empty() || strText.size() > 19)
        return false;
    nHandle = 0;
    for (char c : strText) {
        if (c < '0' || c > '9')
            return false;
        nHandle = nHandle * 10 + static_cast<unsigned>(c - '0');
    }
    return true;
}

}  // namespace

std::string ArgumentsOf(const std::string& strCommandLine)
{
    size_t i = 0;
    while (i < strCommandLine.size() && IsBlank(strCommandLine[i]))
        ++i;
    if (i < strCommandLine.size() && strCommandLine[i] == '"') {
        const size_t nClose = strCommandLine.find('"', i + 1);
        i = nClose == std::string::npos ? strCommandLine.size() : nClose + 1;
    }
    while (i < strCommandLine.size() && !IsBlank(strCommandLine[i]))
        ++i;
    return strCommandLine.substr(i);
}

InstallerSwitches ParseSwitches(const std::string& strArguments)
{
    InstallerSwitches switches;
    const std::vector<std::string> tokens = Tokens(strArguments);
    for (size_t i = 0; i < tokens.size(); ++i) {
        const std::string strName = SwitchName(tokens[i]);
        if (strName == "s") {
            switches.m_bSilent = true;
        } else if (strName == "uninstall") {
            switches.m_bUninstall = true;
        } else if (strName == "cleanup" && i + 1 < tokens.size() &&
                   ParseHandle(tokens[i + 1], switches.m_nCleanupHandle)) {
            switches.m_bCleanup = true;
            ++i;
        } else {
            switches.m_bUnderstood = false;
        }
    }
    // The clean-up run is started by the uninstaller alone, with nothing beside it.
    if (switches.m_bCleanup && tokens.size() != 2)
        switches.m_bUnderstood = false;
    return switches;
}
