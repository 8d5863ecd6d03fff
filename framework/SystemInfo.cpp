#include "SystemInfo.h"

#include "SystemLibrary.h"

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

bool IsRunningUnderWow64()
{
    using PFNISWOW64PROCESS = BOOL(WINAPI*)(HANDLE, PBOOL);
    static const auto pfnIsWow64 = GetKernel32Proc<PFNISWOW64PROCESS>("IsWow64Process");
    BOOL bWow64 = FALSE;
    return pfnIsWow64 && pfnIsWow64(::GetCurrentProcess(), &bWow64) && bWow64;
}
