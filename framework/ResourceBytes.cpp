#include "ResourceBytes.h"

ResourceBytes FindResourceBytes(HMODULE hModule, LPCSTR pszName, LPCSTR pszType)
{
    const HRSRC hResource = ::FindResourceA(hModule, pszName, pszType);
    return hResource ? LockResourceBytes(hModule, hResource) : ResourceBytes();
}

ResourceBytes LockResourceBytes(HMODULE hModule, HRSRC hResource)
{
    const HGLOBAL hData = ::LoadResource(hModule, hResource);
    const void* pData = hData ? ::LockResource(hData) : nullptr;
    if (!pData)
        return ResourceBytes();
    return ResourceBytes{pData, ::SizeofResource(hModule, hResource)};
}
