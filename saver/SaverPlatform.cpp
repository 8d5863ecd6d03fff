#include "SaverPlatform.h"

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

CSaverPlatform& CSaverPlatform::System()
{
    static CSaverPlatform platform;
    return platform;
}
