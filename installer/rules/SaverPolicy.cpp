#include "rules/SaverPolicy.h"

namespace {

std::string Trimmed(const std::string& strText)
{
    const size_t nFirst = strText.find_first_not_of(" \t");
    if (nFirst == std::string::npos)
        return std::string();
    return strText.substr(nFirst, strText.find_last_not_of(" \t") - nFirst + 1);
}

// The value that applies: the machine's where it sets one (a blank text sets nothing).
std::string Applying(const std::optional<std::string>& machine, const std::optional<std::string>& user)
{
    const std::string strMachine = machine ? Trimmed(*machine) : std::string();
    if (!strMachine.empty())
        return strMachine;
    return user ? Trimmed(*user) : std::string();
}

}  // namespace

SaverPolicy ReadSaverPolicy(const PolicyValues& machine, const PolicyValues& user)
{
    SaverPolicy policy;
    if (Applying(machine.m_strActive, user.m_strActive) == "0") {
        policy.m_choice = PolicyChoice::SaversOff;
        return policy;
    }
    policy.m_strSaver = Applying(machine.m_strSaver, user.m_strSaver);
    if (!policy.m_strSaver.empty())
        policy.m_choice = PolicyChoice::NamesSaver;
    return policy;
}

bool PolicyDecides(const SaverPolicy& policy)
{
    return policy.m_choice != PolicyChoice::None;
}
