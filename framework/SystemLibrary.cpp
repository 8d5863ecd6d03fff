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

CLibrary LoadCommonControls()
{
    using PFNFINDACTCTXSECTIONSTRINGW = BOOL(WINAPI*)(DWORD, const GUID*, ULONG, LPCWSTR, PACTCTX_SECTION_KEYED_DATA);
    const auto pfnFind = GetKernel32Proc<PFNFINDACTCTXSECTIONSTRINGW>("FindActCtxSectionStringW");
    ACTCTX_SECTION_KEYED_DATA data{};
    data.cbSize = sizeof data;
    // By name only where the activation context redirects it: the loader then never looks
    // beside the program.
    if (pfnFind && pfnFind(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION, L"comctl32.dll", &data))
        return CLibrary(::LoadLibraryA("comctl32.dll"));
    return LoadSystemLibrary("comctl32.dll");
}
