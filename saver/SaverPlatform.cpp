#include "SaverPlatform.h"

#include "Registry.h"
#include "SystemInfo.h"
#include "SystemLibrary.h"

BOOL CSaverPlatform::IsWin9x()
{
    return IsWin9xFamily();
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
    BYTE value[4] = {};
    DWORD nSize = sizeof value;
    if (!ReadRegistryValue(HKEY_CURRENT_USER, "control panel\\desktop", "ScreenSaveUsePassword", value, nSize))
        return 0;
    return value[0] | value[1] << 8 | value[2] << 16 | static_cast<DWORD>(value[3]) << 24;
}

CSaverPlatform& CSaverPlatform::System()
{
    static CSaverPlatform platform;
    return platform;
}
