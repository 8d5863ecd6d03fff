#pragma once

#include <windows.h>

#include <string>

// The platform's answers that come as a path in a MAX_PATH buffer, all of one shape: the text
// as the platform gives it, or empty when the call fails or its answer does not fit.

// The shape itself: pfnQuery(buffer, size) returns the length written, or the size it needs
// when that is more.
template <typename Char, typename Query>
std::basic_string<Char> QueryPath(Query pfnQuery)
{
    Char szPath[MAX_PATH];
    const DWORD nLength = pfnQuery(szPath, MAX_PATH);
    return nLength == 0 || nLength >= MAX_PATH ? std::basic_string<Char>() : std::basic_string<Char>(szPath, nLength);
}

// Without a trailing backslash, except for a root folder.
std::string QueryWindowsDirectory();
std::string QuerySystemDirectory();
// With a trailing backslash.
std::string QueryTempFolder();

// The file of a module of this process; this program's own by default.
std::string QueryModulePath(HMODULE hModule = nullptr);

// The short (8.3) form of an existing file's path.
std::string QueryShortPath(const std::string& strPath);

// The text with its environment variables (%SystemRoot%) expanded.
std::string QueryExpandedText(const std::string& strText);
