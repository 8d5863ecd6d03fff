#include "SystemInfo.h"

#include <windows.h>

std::string QuerySystemDirectory()
{
    char szSystemDir[MAX_PATH];
    const UINT nLength = ::GetSystemDirectoryA(szSystemDir, MAX_PATH);
    // A length of MAX_PATH or more is the size the platform would have needed.
    if (nLength == 0 || nLength >= MAX_PATH)
        return std::string();
    return std::string(szSystemDir, nLength);
}

bool IsWin9xFamily()
{
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    return ::GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
}
