#include "SaverSetting.h"

#include "ScopedHandle.h"
#include "ShiftJisPath.h"

namespace {

const char kDesktopKey[] = "Control Panel\\Desktop";
const char kRecordKey[] = "Software\\Orvanta\\PreviousScreenSaver";
const char kOurKey[] = "Software\\Orvanta";
const char kValueName[] = "SCRNSAVE.EXE";

std::string SystemIniPath()
{
    char szWindowsDir[MAX_PATH];
    const UINT nLength = GetWindowsDirectoryA(szWindowsDir, MAX_PATH);
    if (nLength == 0 || nLength >= MAX_PATH)
        return std::string();
    return ProfilePath(std::string(szWindowsDir, nLength));
}

CRegistryKey OpenKey(HKEY hRoot, const std::string& strPath, REGSAM nAccess)
{
    HKEY hKey = nullptr;
    return CRegistryKey(RegOpenKeyExA(hRoot, strPath.c_str(), 0, nAccess, &hKey) == ERROR_SUCCESS ? hKey : nullptr);
}

SaverValue ReadString(const CRegistryKey& key, const char* pszName)
{
    DWORD nType = 0, nSize = 0;
    if (!key || RegQueryValueExA(key.Get(), pszName, nullptr, &nType, nullptr, &nSize) != ERROR_SUCCESS ||
        (nType != REG_SZ && nType != REG_EXPAND_SZ))
        return SaverValue();
    std::string strValue(nSize, '\0');
    if (RegQueryValueExA(key.Get(), pszName, nullptr, nullptr, reinterpret_cast<BYTE*>(&strValue[0]), &nSize) !=
        ERROR_SUCCESS)
        return SaverValue();
    strValue.resize(std::min<size_t>(nSize, strValue.size()));
    // The stored size counts the terminating zero, when the writer stored one.
    while (!strValue.empty() && strValue.back() == '\0')
        strValue.pop_back();
    return strValue;
}

int WriteString(const CRegistryKey& key, const char* pszName, const std::string& strValue)
{
    if (!key)
        return 1;
    return RegSetValueExA(key.Get(), pszName, 0, REG_SZ, reinterpret_cast<const BYTE*>(strValue.c_str()),
                          static_cast<DWORD>(strValue.size() + 1)) == ERROR_SUCCESS
               ? 0
               : 1;
}

}  // namespace

CSaverSetting::CSaverSetting(RegistrationStore store, RegistrationTarget target)
    : m_store(store)
    , m_target(std::move(target))
{
}

HKEY CSaverSetting::Root() const
{
    return UnderAllUsers(m_target) ? HKEY_USERS : HKEY_CURRENT_USER;
}

std::string CSaverSetting::KeyPath(const char* pszSubKey) const
{
    return TargetKeyPath(m_target, pszSubKey);
}

SaverValue CSaverSetting::Read() const
{
    if (m_store == RegistrationStore::SystemIni) {
        char szValue[MAX_PATH] = "";
        GetPrivateProfileStringA("boot", kValueName, "", szValue, MAX_PATH, SystemIniPath().c_str());
        return szValue[0] ? SaverValue(szValue) : SaverValue();
    }
    return ReadString(OpenKey(Root(), KeyPath(kDesktopKey), KEY_QUERY_VALUE), kValueName);
}

int CSaverSetting::Write(const std::string& strValue) const
{
    if (m_store == RegistrationStore::SystemIni) {
        const std::string strProfile = SystemIniPath();
        return !strProfile.empty() &&
                       WritePrivateProfileStringA("boot", kValueName, strValue.c_str(), strProfile.c_str())
                   ? 0
                   : 1;
    }
    // Only the right that the write needs: a user who may set the value is not refused.
    return WriteString(OpenKey(Root(), KeyPath(kDesktopKey), KEY_SET_VALUE), kValueName, strValue);
}

int CSaverSetting::Remove() const
{
    if (m_store == RegistrationStore::SystemIni) {
        const std::string strProfile = SystemIniPath();
        return !strProfile.empty() && WritePrivateProfileStringA("boot", kValueName, nullptr, strProfile.c_str()) ? 0
                                                                                                                  : 1;
    }
    const CRegistryKey key = OpenKey(Root(), KeyPath(kDesktopKey), KEY_SET_VALUE);
    if (!key)
        return 1;
    const LONG nResult = RegDeleteValueA(key.Get(), kValueName);
    return nResult == ERROR_SUCCESS || nResult == ERROR_FILE_NOT_FOUND ? 0 : 1;
}

int CSaverSetting::Activate() const
{
    if (m_store == RegistrationStore::SystemIni)
        return 0;
    if (WriteString(OpenKey(Root(), KeyPath(kDesktopKey), KEY_SET_VALUE), "ScreenSaveActive", "1") != 0)
        return 1;
    // The value is written already and in the right hive: the session only needs to hear of
    // it (saving through the call would write our own account's hive).
    SystemParametersInfoW(SPI_SETSCREENSAVEACTIVE, TRUE, nullptr, SPIF_SENDCHANGE);
    return 0;
}

int CSaverSetting::Register(const std::string& strValue, const std::vector<std::string>& ours) const
{
    const std::optional<SaverValue> toRecord = ValueToRecord(HasRecord(), Read(), ours);
    if (toRecord && WriteRecord(*toRecord) != 0)
        return 1;
    if (Write(strValue) != 0)
        return 1;
    return Activate();
}

int CSaverSetting::Restore(const std::vector<std::string>& ours) const
{
    const std::optional<SaverValue> recorded = ReadRecord();
    int nResult = 0;
    switch (ChooseRestore(Read(), recorded, ours)) {
    case RestoreStep::Put:
        nResult = Write(**recorded);
        break;
    case RestoreStep::Remove:
        nResult = Remove();
        break;
    case RestoreStep::Leave:
        break;
    }
    if (nResult == 0)
        RemoveRecord();
    return nResult;
}

bool CSaverSetting::HasRecord() const
{
    return static_cast<bool>(OpenKey(Root(), KeyPath(kRecordKey), KEY_QUERY_VALUE));
}

std::optional<SaverValue> CSaverSetting::ReadRecord() const
{
    const CRegistryKey key = OpenKey(Root(), KeyPath(kRecordKey), KEY_QUERY_VALUE);
    if (!key)
        return std::nullopt;
    return ReadString(key, kValueName);
}

int CSaverSetting::WriteRecord(const SaverValue& value) const
{
    HKEY hKey = nullptr;
    if (RegCreateKeyExA(Root(), KeyPath(kRecordKey).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &hKey, nullptr) !=
        ERROR_SUCCESS)
        return 1;
    const CRegistryKey key(hKey);
    if (value)
        return WriteString(key, kValueName, *value);
    RegDeleteValueA(key.Get(), kValueName);
    return 0;
}

void CSaverSetting::RemoveRecord() const
{
    RegDeleteKeyA(Root(), KeyPath(kRecordKey).c_str());
    // Only when nothing else of ours is left in it.
    RegDeleteKeyA(Root(), KeyPath(kOurKey).c_str());
}
