#include "Registry.h"

#include "ScopedHandle.h"

namespace {

CRegistryKey OpenKey(HKEY hRoot, const char* pszKey, REGSAM nRights)
{
    HKEY hKey = nullptr;
    return CRegistryKey(::RegOpenKeyExA(hRoot, pszKey, 0, nRights, &hKey) == ERROR_SUCCESS ? hKey : nullptr);
}

}  // namespace

bool ReadRegistryValue(HKEY hRoot, const char* pszKey, const char* pszName, void* pData, DWORD& nSize)
{
    const CRegistryKey key = OpenKey(hRoot, pszKey, KEY_QUERY_VALUE);
    return key &&
           ::RegQueryValueExA(key.Get(), pszName, nullptr, nullptr, static_cast<BYTE*>(pData), &nSize) == ERROR_SUCCESS;
}

bool WriteRegistryString(HKEY hRoot, const char* pszKey, const char* pszName, const std::string& strValue)
{
    const CRegistryKey key = OpenKey(hRoot, pszKey, KEY_SET_VALUE);
    return key && ::RegSetValueExA(key.Get(), pszName, 0, REG_SZ, reinterpret_cast<const BYTE*>(strValue.c_str()),
                                   static_cast<DWORD>(strValue.size() + 1)) == ERROR_SUCCESS;
}
