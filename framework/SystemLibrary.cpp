#include "SystemLibrary.h"

std::string SystemDirectory()
{
    char szSystemDir[MAX_PATH];
    const UINT nLength = ::GetSystemDirectoryA(szSystemDir, MAX_PATH);
    return nLength == 0 || nLength >= MAX_PATH ? std::string() : std::string(szSystemDir, nLength);
}

CLibrary LoadSystemLibrary(const char* pszName)
{
    const std::string strSystemDir = SystemDirectory();
    if (strSystemDir.empty())
        return CLibrary();
    const std::string strPath = strSystemDir + "\\" + pszName;
    return CLibrary(::LoadLibraryA(strPath.c_str()));
}
