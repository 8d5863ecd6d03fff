#include "registration/SaverSetting.h"

#include "File.h"
#include "FsRedirection.h"
#include "PathQuery.h"
#include "ProductIdentity.h"
#include "Registry.h"
#include "ShiftJisPath.h"
#include "SystemSide.h"

namespace {

const char kDesktopKey[] = "Control Panel\\Desktop";
const char kRecordKey[] = "Software\\" ORVANTA_PRODUCT_ID "\\PreviousScreenSaver";
const char kOurKey[] = "Software\\" ORVANTA_PRODUCT_ID;
const char kValueName[] = "SCRNSAVE.EXE";

std::string SystemIniPath()
{
    const std::string strWindowsDir = QueryWindowsDirectory();
    return strWindowsDir.empty() ? std::string() : JoinPath(strWindowsDir, "system.ini");
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

SaverValue CSaverSetting::Read(DWORD* pType) const
{
    if (pType)
        *pType = REG_SZ;
    if (m_store == RegistrationStore::SystemIni) {
        char szValue[MAX_PATH] = "";
        GetPrivateProfileStringA("boot", kValueName, "", szValue, MAX_PATH, SystemIniPath().c_str());
        return szValue[0] ? SaverValue(szValue) : SaverValue();
    }
    return ReadRegistryString(OpenRegistryKey(Root(), KeyPath(kDesktopKey).c_str(), KEY_QUERY_VALUE), kValueName,
                              pType);
}

int CSaverSetting::Write(const std::string& strValue, DWORD nType) const
{
    if (m_store == RegistrationStore::SystemIni) {
        const std::string strProfile = SystemIniPath();
        return !strProfile.empty() &&
                       WritePrivateProfileStringA("boot", kValueName, strValue.c_str(), strProfile.c_str())
                   ? 0
                   : 1;
    }
    return WriteRegistryString(Root(), KeyPath(kDesktopKey).c_str(), kValueName, strValue, nType) ? 0 : 1;
}

int CSaverSetting::Remove() const
{
    if (m_store == RegistrationStore::SystemIni) {
        const std::string strProfile = SystemIniPath();
        return !strProfile.empty() && WritePrivateProfileStringA("boot", kValueName, nullptr, strProfile.c_str()) ? 0
                                                                                                                  : 1;
    }
    const CRegistryKey key = OpenRegistryKey(Root(), KeyPath(kDesktopKey).c_str(), KEY_SET_VALUE);
    return DeleteRegistryValue(key, kValueName) ? 0 : 1;
}

int CSaverSetting::Activate() const
{
    if (m_store == RegistrationStore::SystemIni)
        return 0;
    if (!WriteRegistryString(Root(), KeyPath(kDesktopKey).c_str(), "ScreenSaveActive", "1"))
        return 1;
    // The value is written already and in the right hive: the session only needs to hear of
    // it (saving through the call would write our own account's hive).
    SideSystemParametersInfo(SPI_SETSCREENSAVEACTIVE, TRUE, nullptr, SPIF_SENDCHANGE);
    return 0;
}

int CSaverSetting::Register(const std::string& strValue, const std::vector<std::string>& ours) const
{
    DWORD nType = REG_SZ;
    const SaverValue current = Read(&nType);
    const std::optional<SaverValue> toRecord = ValueToRecord(HasRecord(), current, IsOurs(current, nType, ours));
    // The record changes only once our saver is named: a setting that could not be read or
    // written must not replace what the uninstall will put back.
    if (Write(strValue) != 0)
        return 1;
    if (toRecord && WriteRecord(*toRecord, nType) != 0) {
        if (current)
            Write(*current, nType);
        else
            Remove();
        return 1;
    }
    return Activate();
}

int CSaverSetting::Restore(const std::vector<std::string>& ours) const
{
    DWORD nRecordedType = REG_SZ, nType = REG_SZ;
    const std::optional<SaverValue> recorded = ReadRecord(nRecordedType);
    const SaverValue current = Read(&nType);
    int nResult = 0;
    switch (ChooseRestore(IsOurs(current, nType, ours), recorded, RecordedSaverThere(recorded, nRecordedType))) {
    case RestoreStep::Put:
        nResult = Write(**recorded, nRecordedType);
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
    return static_cast<bool>(OpenRegistryKey(Root(), KeyPath(kRecordKey).c_str(), KEY_QUERY_VALUE));
}

bool CSaverSetting::IsOurs(const SaverValue& value, DWORD nType, const std::vector<std::string>& ours)
{
    if (!value || nType != REG_EXPAND_SZ)
        return NamesOurSaver(value, ours);
    // A value that cannot be expanded names nothing, as an empty one.
    return NamesOurSaver(SaverValue(QueryExpandedText(*value)), ours);
}

bool CSaverSetting::RecordedSaverThere(const std::optional<SaverValue>& recorded, DWORD nType)
{
    if (!recorded || !*recorded)
        return false;
    // Where the desktop would look: the expanded path, in the native system directory.
    const std::string strPath = nType == REG_EXPAND_SZ ? QueryExpandedText(**recorded) : **recorded;
    const CFsRedirectionGuard nativeFiles;
    return !strPath.empty() && FileExists(strPath);
}

std::optional<SaverValue> CSaverSetting::ReadRecord(DWORD& nType) const
{
    const CRegistryKey key = OpenRegistryKey(Root(), KeyPath(kRecordKey).c_str(), KEY_QUERY_VALUE);
    if (!key)
        return std::nullopt;
    return ReadRegistryString(key, kValueName, &nType);
}

int CSaverSetting::WriteRecord(const SaverValue& value, DWORD nType) const
{
    const CRegistryKey key = CreateRegistryKey(Root(), KeyPath(kRecordKey).c_str(), KEY_SET_VALUE);
    if (!key)
        return 1;
    if (value)
        return WriteRegistryString(key, kValueName, *value, nType) ? 0 : 1;
    DeleteRegistryValue(key, kValueName);
    return 0;
}

void CSaverSetting::RemoveRecord() const
{
    DeleteRegistryKey(Root(), KeyPath(kRecordKey).c_str());
    // Only when nothing is left in it: a key of that name may hold another program's values.
    DeleteEmptyRegistryKey(Root(), KeyPath(kOurKey).c_str());
}
