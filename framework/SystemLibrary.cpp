#include "SystemLibrary.h"

#include "SystemInfo.h"

CLibrary LoadSystemLibrary(const char* pszName)
{
    const std::string strSystemDir = QuerySystemDirectory();
    if (strSystemDir.empty())
        return CLibrary();
    return CLibrary(::LoadLibraryA((strSystemDir + "\\" + pszName).c_str()));
}
