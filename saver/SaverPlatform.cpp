#include "SaverPlatform.h"

#include "ScopedHandle.h"

#include <string>

BOOL CSaverPlatform::IsWin9x()
{
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    return ::GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
}

BOOL CSaverPlatform::VerifyScreenSavePwd(HWND hWnd)
{
    char szSystemDir[MAX_PATH];
    const UINT nLength = ::GetSystemDirectoryA(szSystemDir, MAX_PATH);
    if (nLength == 0 || nLength >= MAX_PATH)
        return TRUE;
    // Only the system's own copy: never one found beside the program or on the path.
    const std::string strPath = std::string(szSystemDir, nLength) + "\\PASSWORD.CPL";
    const CLibrary library(::LoadLibraryA(strPath.c_str()));
    if (!library)
        return TRUE;
    using PFNVERIFY = BOOL(WINAPI*)(HWND);
    const FARPROC pfn = ::GetProcAddress(library.Get(), "VerifyScreenSavePwd");
    if (pfn == nullptr)
        return TRUE;
    return reinterpret_cast<PFNVERIFY>(reinterpret_cast<void*>(pfn))(hWnd);
}

void CSaverPlatform::SetScreenSaverRunning(BOOL bRunning)
{
    BOOL bPrevious = FALSE;
    ::SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, bRunning, &bPrevious, 0);
}

CSaverPlatform& CSaverPlatform::System()
{
    static CSaverPlatform platform;
    return platform;
}
