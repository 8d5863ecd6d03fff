#pragma once

#include "ShowLayout.h"

#include <windows.h>

#include <vector>

// What the saver window asks of the platform beyond its own window: the family, the 9x
// password service, its setting, the screen-saver-running flag, the display's power and the
// monitors. Tests put their own in its place.
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
    // Asks for WM_POWERBROADCAST when the display goes off, dims or comes back: the console
    // display's state from Windows 8 on, the monitor's power on Vista and 7. Null where the
    // system has no such report; the show then runs as it always did.
    virtual HPOWERNOTIFY RegisterDisplayNotification(HWND hWnd);
    virtual void UnregisterDisplayNotification(HPOWERNOTIFY hNotify);
    // The monitors, and the virtual screen that holds them, in screen coordinates.
    virtual std::vector<ShowArea> MonitorAreas();
    virtual RECT VirtualScreen();

    static CSaverPlatform& System();
};

// The power settings that report the display's state, with the values the platform's
// documentation gives them: the console display (Windows 8 on) and the monitor's power.
constexpr GUID kConsoleDisplayState{0x6fe69556, 0x704a, 0x47a0, {0x8f, 0x24, 0xc2, 0x8d, 0x93, 0x6f, 0xda, 0x47}};
constexpr GUID kMonitorPowerOn{0x02731015, 0x4510, 0x4526, {0x99, 0xe6, 0xe5, 0xa1, 0x7e, 0xbd, 0x1a, 0xea}};

BOOL IsDisplayPowerSetting(const GUID& guid);
