#include "SaverPlatform.h"

#include "Monitors.h"
#include "Registry.h"
#include "SystemInfo.h"
#include "SystemLibrary.h"

BOOL IsDisplayPowerSetting(const GUID& guid)
{
    return ::IsEqualGUID(guid, kConsoleDisplayState) || ::IsEqualGUID(guid, kMonitorPowerOn);
}

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

// Both entry points are Vista's: bound at run time, so that older systems still load the saver.
HPOWERNOTIFY CSaverPlatform::RegisterDisplayNotification(HWND hWnd)
{
    using PFNREGISTER = HPOWERNOTIFY(WINAPI*)(HANDLE, LPCGUID, DWORD);
    const auto pfnRegister = GetLinkedProc<PFNREGISTER>("user32.dll", "RegisterPowerSettingNotification");
    if (pfnRegister == nullptr)
        return nullptr;
    // Windows 8 and later report the console display's state, dimming included; Vista and 7
    // only the monitor's power.
    const GUID& guid = IsNtVersionOrLater(6, 2) ? kConsoleDisplayState : kMonitorPowerOn;
    return pfnRegister(hWnd, &guid, DEVICE_NOTIFY_WINDOW_HANDLE);
}

void CSaverPlatform::UnregisterDisplayNotification(HPOWERNOTIFY hNotify)
{
    using PFNUNREGISTER = BOOL(WINAPI*)(HPOWERNOTIFY);
    const auto pfnUnregister = GetLinkedProc<PFNUNREGISTER>("user32.dll", "UnregisterPowerSettingNotification");
    if (pfnUnregister != nullptr)
        pfnUnregister(hNotify);
}

std::vector<ShowArea> CSaverPlatform::MonitorAreas()
{
    std::vector<ShowArea> monitors;
    for (const RECT& rc : EnumMonitorRects())
        monitors.push_back(ShowArea{rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top});
    return monitors;
}

RECT CSaverPlatform::VirtualScreen()
{
    return VirtualScreenRect();
}

CSaverPlatform& CSaverPlatform::System()
{
    static CSaverPlatform platform;
    return platform;
}
