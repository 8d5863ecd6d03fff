#include "SystemInfo.h"

#include "SystemLibrary.h"

#include <windows.h>

namespace {

// Zeroes where the platform does not say.
OSVERSIONINFOA QueryVersion()
{
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    if (!::GetVersionExA(&version))
        version = OSVERSIONINFOA{};
    return version;
}

}  // namespace

bool IsWin9xFamily()
{
    return QueryVersion().dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
}

bool IsNtVersionOrLater(unsigned long nMajor, unsigned long nMinor)
{
    const OSVERSIONINFOA version = QueryVersion();
    return version.dwPlatformId == VER_PLATFORM_WIN32_NT &&
           (version.dwMajorVersion > nMajor || (version.dwMajorVersion == nMajor && version.dwMinorVersion >= nMinor));
}

bool IsRunningUnderWow64()
{
    using PFNISWOW64PROCESS = BOOL(WINAPI*)(HANDLE, PBOOL);
    static const auto pfnIsWow64 = GetKernel32Proc<PFNISWOW64PROCESS>("IsWow64Process");
    BOOL bWow64 = FALSE;
    return pfnIsWow64 && pfnIsWow64(::GetCurrentProcess(), &bWow64) && bWow64;
}
