#include "Registry.h"

#include "SystemSide.h"

#include <algorithm>

namespace {

bool IsGone(LONG nResult)
{
    return nResult == ERROR_SUCCESS || nResult == ERROR_FILE_NOT_FOUND;
}

}  // namespace

CRegistryKey OpenRegistryKey(HKEY hRoot, const char* pszKey, REGSAM nRights)
{
    HKEY hKey = nullptr;
    return CRegistryKey(::RegOpenKeyExA(hRoot, pszKey, 0, nRights, &hKey) == ERROR_SUCCESS ? hKey : nullptr);
}

CRegistryKey CreateRegistryKey(HKEY hRoot, const char* pszKey, REGSAM nRights)
{
    HKEY hKey = nullptr;
    const LONG nResult = ::RegCreateKeyExA(hRoot, pszKey, 0, nullptr, 0, nRights, nullptr, &hKey, nullptr);
    return CRegistryKey(nResult == ERROR_SUCCESS ? hKey : nullptr);
}

bool ReadRegistryValue(HKEY hRoot, const char* pszKey, const char* pszName, void* pData, DWORD& nSize)
{
    const CRegistryKey key = OpenRegistryKey(hRoot, pszKey, KEY_QUERY_VALUE);
    return key &&
           ::RegQueryValueExA(key.Get(), pszName, nullptr, nullptr, static_cast<BYTE*>(pData), &nSize) == ERROR_SUCCESS;
}

std::optional<std::string> ReadRegistryString(const CRegistryKey& key, const char* pszName, DWORD* pType)
{
    DWORD nType = 0, nSize = 0;
    if (!key || ::RegQueryValueExA(key.Get(), pszName, nullptr, &nType, nullptr, &nSize) != ERROR_SUCCESS ||
        (nType != REG_SZ && nType != REG_EXPAND_SZ))
        return std::nullopt;
    std::string strValue(nSize, '\0');
    if (::RegQueryValueExA(key.Get(), pszName, nullptr, nullptr, reinterpret_cast<BYTE*>(&strValue[0]), &nSize) !=
        ERROR_SUCCESS)
        return std::nullopt;
    strValue.resize(std::min<size_t>(nSize, strValue.size()));
    // The stored size counts the terminating zero, when the writer stored one.
    while (!strValue.empty() && strValue.back() == '\0')
        strValue.pop_back();
    if (pType)
        *pType = nType;
    return strValue;
}

bool WriteRegistryString(HKEY hRoot, const char* pszKey, const char* pszName, const std::string& strValue, DWORD nType)
{
    return WriteRegistryString(OpenRegistryKey(hRoot, pszKey, KEY_SET_VALUE), pszName, strValue, nType);
}

bool WriteRegistryString(const CRegistryKey& key, const char* pszName, const std::string& strValue, DWORD nType)
{
    return key && ::RegSetValueExA(key.Get(), pszName, 0, nType, reinterpret_cast<const BYTE*>(strValue.c_str()),
                                   static_cast<DWORD>(strValue.size() + 1)) == ERROR_SUCCESS;
}

bool WriteRegistryString(const CRegistryKey& key, const wchar_t* pszName, const std::wstring& strValue)
{
    return key && SideRegSetString(key.Get(), pszName, strValue) == ERROR_SUCCESS;
}

std::optional<std::wstring> ReadRegistryMultiString(const CRegistryKey& key, const wchar_t* pszName)
{
    DWORD nType = 0, nSize = 0;
    if (!key || ::RegQueryValueExW(key.Get(), pszName, nullptr, &nType, nullptr, &nSize) != ERROR_SUCCESS ||
        nType != REG_MULTI_SZ)
        return std::nullopt;
    std::wstring strData(nSize / sizeof(wchar_t) + 1, L'\0');
    nSize = static_cast<DWORD>(strData.size() * sizeof(wchar_t));
    if (::RegQueryValueExW(key.Get(), pszName, nullptr, nullptr, reinterpret_cast<BYTE*>(&strData[0]), &nSize) !=
        ERROR_SUCCESS)
        return std::nullopt;
    strData.resize(nSize / sizeof(wchar_t));
    return strData;
}

bool WriteRegistryMultiString(const CRegistryKey& key, const wchar_t* pszName, const std::wstring& strData)
{
    return key && ::RegSetValueExW(key.Get(), pszName, 0, REG_MULTI_SZ, reinterpret_cast<const BYTE*>(strData.c_str()),
                                   static_cast<DWORD>(strData.size() * sizeof(wchar_t))) == ERROR_SUCCESS;
}

bool WriteRegistryNumber(const CRegistryKey& key, const wchar_t* pszName, DWORD nValue)
{
    return key && SideRegSetNumber(key.Get(), pszName, nValue) == ERROR_SUCCESS;
}

bool DeleteRegistryValue(const CRegistryKey& key, const char* pszName)
{
    return key && IsGone(::RegDeleteValueA(key.Get(), pszName));
}

bool DeleteRegistryValue(const CRegistryKey& key, const wchar_t* pszName)
{
    return key && IsGone(::RegDeleteValueW(key.Get(), pszName));
}

namespace {

// Deletes the key unless it holds subkeys (the 9x family's RegDeleteKey would take them all with
// it) or, with bOnlyEmpty, values.
bool DeleteKeyIfHolding(HKEY hRoot, const char* pszKey, bool bOnlyEmpty)
{
    DWORD nSubKeys = 0, nValues = 0;
    {
        HKEY hKey = nullptr;
        const LONG nOpened = ::RegOpenKeyExA(hRoot, pszKey, 0, KEY_QUERY_VALUE, &hKey);
        if (nOpened != ERROR_SUCCESS)
            return nOpened == ERROR_FILE_NOT_FOUND;
        const CRegistryKey key(hKey);
        if (::RegQueryInfoKeyA(key.Get(), nullptr, nullptr, nullptr, &nSubKeys, nullptr, nullptr, &nValues, nullptr,
                               nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            return false;
    }
    if (nSubKeys != 0 || (bOnlyEmpty && nValues != 0))
        return false;
    return IsGone(::RegDeleteKeyA(hRoot, pszKey));
}

}  // namespace

bool DeleteRegistryKey(HKEY hRoot, const char* pszKey)
{
    return DeleteKeyIfHolding(hRoot, pszKey, false);
}

bool DeleteEmptyRegistryKey(HKEY hRoot, const char* pszKey)
{
    return DeleteKeyIfHolding(hRoot, pszKey, true);
}
