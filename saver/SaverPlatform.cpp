#include "SaverPlatform.h"

#include "ScopedHandle.h"
#include "SystemLibrary.h"

BOOL CSaverPlatform::IsWin9x()
{
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    return ::GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
}

BOOL CSaverPlatform::VerifyScreenSavePwd(HWND hWnd)
{
    using PFNVERIFY = BOOL(WINAPI*)(HWND);
    const CLibrary library = LoadSystemLibrary("PASSWORD.CPL");
    const PFNVERIFY pfnVerify = GetLibraryProc<PFNVERIFY>(library, "VerifyScreenSavePwd");
    // Without the service nothing guards the desktop, so the saver may close.
    return pfnVerify ? pfnVerify(hWnd) : TRUE;
}

void CSaverPlatform::SetScreenSaverRunning(BOOL bRunning)
{
    BOOL bPrevious = FALSE;
    ::SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, bRunning, &bPrevious, 0);
}

DWORD CSaverPlatform::QueryUsePassword()
{
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, "control panel\\desktop", 0, KEY_QUERY_VALUE, &hKey) != ERROR_SUCCESS)
        return 0;
    const CRegistryKey key(hKey);
    BYTE value[4] = {};
    DWORD nSize = sizeof value;
    if (::RegQueryValueExA(key.Get(), "ScreenSaveUsePassword", nullptr, nullptr, value, &nSize) != ERROR_SUCCESS)
        return 0;
    return value[0] | value[1] << 8 | value[2] << 16 | static_cast<DWORD>(value[3]) << 24;
}

CSaverPlatform& CSaverPlatform::System()
{
    static CSaverPlatform platform;
    return platform;
}
