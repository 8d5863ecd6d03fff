#include "rules/RegistrationTarget.h"

RegistrationTarget ChooseRegistrationTarget(const std::string& strOwnSid, const std::string& strShellSid)
{
    RegistrationTarget target;
    if (!strShellSid.empty() && strShellSid != strOwnSid) {
        target.m_strUserSid = strShellSid;
        target.m_bLaunchThroughShell = true;
    }
    return target;
}

std::string TargetKeyPath(const RegistrationTarget& target, const std::string& strSubKey)
{
    return UnderAllUsers(target) ? target.m_strUserSid + "\\" + strSubKey : strSubKey;
}

bool UnderAllUsers(const RegistrationTarget& target)
{
    return !target.m_strUserSid.empty();
}
