#pragma once

#include "ScopedHandle.h"

#include <windows.h>

#include <optional>
#include <string>

// Registry keys and values by byte-string names. Each key is opened with only the rights its
// caller needs, so a user who may read or set a value is not refused for asking more.

// hRoot\pszKey opened with nRights; empty when the key is missing or the rights are refused.
CRegistryKey OpenRegistryKey(HKEY hRoot, const char* pszKey, REGSAM nRights);
// The same, creating the key and any missing parents first.
CRegistryKey CreateRegistryKey(HKEY hRoot, const char* pszKey, REGSAM nRights);

// Reads value pszName of hRoot\pszKey into pData, which holds nSize bytes; nSize becomes the
// count read. False when the key or the value is missing or the value does not fit.
bool ReadRegistryValue(HKEY hRoot, const char* pszKey, const char* pszName, void* pData, DWORD& nSize);

// The text of REG_SZ or REG_EXPAND_SZ value pszName, whatever its length, without trailing
// zeros; nothing when the key is empty, the value is missing or holds another type. pType,
// when given, receives which of the two it is.
std::optional<std::string> ReadRegistryString(const CRegistryKey& key, const char* pszName, DWORD* pType = nullptr);

// Sets value pszName of the existing key hRoot\pszKey to strValue as nType (REG_SZ or
// REG_EXPAND_SZ).
bool WriteRegistryString(HKEY hRoot, const char* pszKey, const char* pszName, const std::string& strValue,
                         DWORD nType = REG_SZ);

// Writes on an open key; false when the key is empty or the write failed. The wide forms keep
// texts readable whatever the system's code page.
bool WriteRegistryString(const CRegistryKey& key, const char* pszName, const std::string& strValue,
                         DWORD nType = REG_SZ);
bool WriteRegistryString(const CRegistryKey& key, const wchar_t* pszName, const std::wstring& strValue);
// A REG_MULTI_SZ value's data whole, every NUL kept (empty strings inside are data, as in
// the platform's list of restart work); nothing when the key is empty or the value is missing
// or of another type. The write stores strData as it is.
std::optional<std::wstring> ReadRegistryMultiString(const CRegistryKey& key, const wchar_t* pszName);
bool WriteRegistryMultiString(const CRegistryKey& key, const wchar_t* pszName, const std::wstring& strData);
bool WriteRegistryNumber(const CRegistryKey& key, const wchar_t* pszName, DWORD nValue);

// True when the value or the key is gone, now or already. A key with subkeys stays on every
// family (false); the empty form also keeps a key that holds values.
bool DeleteRegistryValue(const CRegistryKey& key, const char* pszName);
bool DeleteRegistryValue(const CRegistryKey& key, const wchar_t* pszName);
bool DeleteRegistryKey(HKEY hRoot, const char* pszKey);
bool DeleteEmptyRegistryKey(HKEY hRoot, const char* pszKey);
