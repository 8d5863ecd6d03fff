#pragma once

#include <windows.h>

// What the saver window asks of the platform beyond its own window: the family, the 9x
// password service, its setting and the screen-saver-running flag. Tests put their own in its place.
class CSaverPlatform
{
public:
    virtual ~CSaverPlatform() = default;

    virtual BOOL IsWin9x();
    // VerifyScreenSavePwd of PASSWORD.CPL from the system directory; TRUE (may close) when the
    // library or its entry point is missing.
    virtual BOOL VerifyScreenSavePwd(HWND hWnd);
    virtual void SetScreenSaverRunning(BOOL bRunning);
    // ScreenSaveUsePassword of the desktop settings; 0 when it cannot be read.
    virtual DWORD QueryUsePassword();

    static CSaverPlatform& System();
};
