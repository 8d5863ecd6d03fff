#pragma once

#include "rules/PreviousSaver.h"
#include "rules/RegistrationTarget.h"

#include <windows.h>

#include <string>
#include <vector>

// The desktop's screen saver setting for one user: SCRNSAVE.EXE in system.ini on the 9x
// family or in the user's Control Panel\Desktop key, ScreenSaveActive beside it, and our
// record of the user's own value that an install replaced, in the same user's hive. Values
// keep their registry type (REG_SZ or REG_EXPAND_SZ) through the record and back.
class CSaverSetting
{
public:
    CSaverSetting(RegistrationStore store, RegistrationTarget target);

    // pType, when given, receives the value's registry type (REG_SZ from system.ini).
    SaverValue Read(DWORD* pType = nullptr) const;
    // 0, or 1 when the value could not be written (the key is opened, never created).
    int Write(const std::string& strValue, DWORD nType = REG_SZ) const;
    int Remove() const;

    // Records what is there unless it is our saver, names strValue and leaves the saver
    // active: 0, or 1 at the first step that failed. ours are the names of our saver.
    int Register(const std::string& strValue, const std::vector<std::string>& ours) const;

    // Puts the recorded value back, or removes ours, while the setting still names our saver;
    // then forgets the record. 0, or 1 when a write failed (the record is then kept).
    int Restore(const std::vector<std::string>& ours) const;

    bool HasRecord() const;

private:
    // ScreenSaveActive "1", and the session told; nothing on the 9x family.
    int Activate() const;
    // Whether the value, expanded as the desktop expands it, names our saver.
    static bool IsOurs(const SaverValue& value, DWORD nType, const std::vector<std::string>& ours);
    // Whether the recorded value names a saver file that is there.
    static bool RecordedSaverThere(const std::optional<SaverValue>& recorded, DWORD nType);
    std::optional<SaverValue> ReadRecord(DWORD& nType) const;
    int WriteRecord(const SaverValue& value, DWORD nType) const;
    void RemoveRecord() const;

    HKEY Root() const;
    std::string KeyPath(const char* pszSubKey) const;

    RegistrationStore m_store;
    RegistrationTarget m_target;
};
