#include "registration/DesktopPolicy.h"

#include "DisplayText.h"
#include "Registry.h"
#include "SystemSide.h"
#include "resource/InstallerResource.h"

namespace {

const char kPolicyKey[] = "Software\\Policies\\Microsoft\\Windows\\Control Panel\\Desktop";

PolicyValues ReadPolicyValues(HKEY hRoot, const std::string& strKey)
{
    const CRegistryKey key = OpenRegistryKey(hRoot, strKey.c_str(), KEY_QUERY_VALUE);
    return PolicyValues{ReadRegistryString(key, "SCRNSAVE.EXE"), ReadRegistryString(key, "ScreenSaveActive"),
                        ReadRegistryString(key, "ScreenSaverIsSecure"), ReadRegistryString(key, "ScreenSaveTimeOut")};
}

}  // namespace

SaverPolicy ReadDesktopPolicy(const RegistrationTarget& target)
{
    const HKEY hUserRoot = UnderAllUsers(target) ? HKEY_USERS : HKEY_CURRENT_USER;
    return ReadSaverPolicy(ReadPolicyValues(HKEY_LOCAL_MACHINE, kPolicyKey),
                           ReadPolicyValues(hUserRoot, TargetKeyPath(target, kPolicyKey)));
}

std::wstring PolicyNotice(const SaverPolicy& policy)
{
    switch (policy.m_choice) {
    case PolicyChoice::NamesSaver:
        // The name as the registry's A call gave it: through the system's code page.
        return LoadResourceString(IDS_POLICY_NAMES_SAVER) + WideFromAnsi(policy.m_strSaver) +
               LoadResourceString(IDS_POLICY_NAMES_SAVER_END);
    case PolicyChoice::SaversOff:
        return LoadResourceString(IDS_POLICY_SAVERS_OFF);
    case PolicyChoice::None:
        break;
    }
    return std::wstring();
}
