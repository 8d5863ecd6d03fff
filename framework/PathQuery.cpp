#include "PathQuery.h"

std::string QueryWindowsDirectory()
{
    return QueryPath<char>([](char* psz, DWORD n) { return static_cast<DWORD>(::GetWindowsDirectoryA(psz, n)); });
}

std::string QuerySystemDirectory()
{
    return QueryPath<char>([](char* psz, DWORD n) { return static_cast<DWORD>(::GetSystemDirectoryA(psz, n)); });
}

std::string QueryTempFolder()
{
    return QueryPath<char>([](char* psz, DWORD n) { return ::GetTempPathA(n, psz); });
}

std::string QueryModulePath(HMODULE hModule)
{
    return QueryPath<char>([=](char* psz, DWORD n) { return ::GetModuleFileNameA(hModule, psz, n); });
}

std::string QueryShortPath(const std::string& strPath)
{
    return QueryPath<char>([&](char* psz, DWORD n) { return ::GetShortPathNameA(strPath.c_str(), psz, n); });
}

std::string QueryExpandedText(const std::string& strText)
{
    // The only one of them whose count includes the terminating zero.
    return QueryPath<char>([&](char* psz, DWORD n) {
        const DWORD nCount = ::ExpandEnvironmentStringsA(strText.c_str(), psz, n);
        return nCount == 0 || nCount > n ? nCount : nCount - 1;
    });
}
