#include "SystemLibrary.h"

#include <string>

CLibrary LoadSystemLibrary(const char* pszName)
{
    char szSystemDir[MAX_PATH];
    const UINT nLength = ::GetSystemDirectoryA(szSystemDir, MAX_PATH);
    if (nLength == 0 || nLength >= MAX_PATH)
        return CLibrary();
    const std::string strPath = std::string(szSystemDir, nLength) + "\\" + pszName;
    return CLibrary(::LoadLibraryA(strPath.c_str()));
}
