#include "PathQuery.h"

#include "SystemLibrary.h"

#include <windows.h>

namespace {

// pfnQuery(buffer, size) returns the length written, or the size it needs when that is more.
template <typename Query>
std::string QueryPath(Query pfnQuery)
{
    char szPath[MAX_PATH];
    const DWORD nLength = pfnQuery(szPath, MAX_PATH);
    return nLength == 0 || nLength >= MAX_PATH ? std::string() : std::string(szPath, nLength);
}

}  // namespace

std::string QueryWindowsDirectory()
{
    return QueryPath([](char* psz, DWORD n) { return static_cast<DWORD>(::GetWindowsDirectoryA(psz, n)); });
}

std::string QuerySystemDirectory()
{
    return QueryPath([](char* psz, DWORD n) { return static_cast<DWORD>(::GetSystemDirectoryA(psz, n)); });
}

std::string QueryTempFolder()
{
    return QueryPath([](char* psz, DWORD n) { return ::GetTempPathA(n, psz); });
}

std::string QueryModulePath()
{
    return QueryPath([](char* psz, DWORD n) { return ::GetModuleFileNameA(nullptr, psz, n); });
}

std::string QueryShortPath(const std::string& strPath)
{
    return QueryPath([&](char* psz, DWORD n) { return ::GetShortPathNameA(strPath.c_str(), psz, n); });
}

std::string QueryLongPath(const std::string& strPath)
{
    using PFNGETLONGPATHNAMEA = DWORD(WINAPI*)(LPCSTR, LPSTR, DWORD);
    const auto pfnGetLongPathName = GetKernel32Proc<PFNGETLONGPATHNAMEA>("GetLongPathNameA");
    if (!pfnGetLongPathName)
        return std::string();
    return QueryPath([&](char* psz, DWORD n) { return pfnGetLongPathName(strPath.c_str(), psz, n); });
}

std::string QueryExpandedText(const std::string& strText)
{
    // The only one of them whose count includes the terminating zero.
    return QueryPath([&](char* psz, DWORD n) {
        const DWORD nCount = ::ExpandEnvironmentStringsA(strText.c_str(), psz, n);
        return nCount == 0 || nCount > n ? nCount : nCount - 1;
    });
}
