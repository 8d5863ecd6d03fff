#pragma once

#include <windows.h>

#include <string>

// Registry values by byte-string names. Each call opens its key with only the right it needs,
// so a user who may read or set the value is not refused for asking more.

// Reads value pszName of hRoot\pszKey into pData, which holds nSize bytes; nSize becomes the
// count read. False when the key or the value is missing or the value does not fit.
bool ReadRegistryValue(HKEY hRoot, const char* pszKey, const char* pszName, void* pData, DWORD& nSize);

// Sets value pszName of the existing key hRoot\pszKey to strValue as REG_SZ.
bool WriteRegistryString(HKEY hRoot, const char* pszKey, const char* pszName, const std::string& strValue);
