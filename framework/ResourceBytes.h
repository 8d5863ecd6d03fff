#pragma once

#include <windows.h>

// The bytes of a resource as the module maps them: read-only, owned by the module.
struct ResourceBytes
{
    const void* m_pData = nullptr;
    DWORD m_nSize = 0;
};

// Null and 0 when the resource cannot be found or loaded.
ResourceBytes FindResourceBytes(HMODULE hModule, LPCSTR pszName, LPCSTR pszType);
ResourceBytes LockResourceBytes(HMODULE hModule, HRSRC hResource);
