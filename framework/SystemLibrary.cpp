#include "SystemLibrary.h"

#include "PathQuery.h"
#include "ShiftJisPath.h"

CLibrary LoadSystemLibrary(const char* pszName)
{
    const std::string strSystemDir = QuerySystemDirectory();
    if (strSystemDir.empty())
        return CLibrary();
    return CLibrary(::LoadLibraryA(JoinPath(strSystemDir, pszName).c_str()));
}
