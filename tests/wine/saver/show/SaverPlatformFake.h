#pragma once

#include "SaverPlatform.h"

#include <functional>
#include <vector>

// The platform as the tests want it: the family, the password's verdict, the running flag,
// the display's power report and the monitors are the tests' own, and the calls are recorded.
class CSaverPlatformFake : public CSaverPlatform
{
public:
    BOOL IsWin9x() override { return m_bWin9x; }
    BOOL VerifyScreenSavePwd(HWND hWnd) override
    {
        ++m_nVerifyCalls;
        if (m_onVerify)
            m_onVerify(hWnd);
        return m_bVerdict;
    }
    void SetScreenSaverRunning(BOOL bRunning) override { m_running.push_back(bRunning); }
    DWORD QueryUsePassword() override
    {
        ++m_nQueries;
        return m_nUsePassword;
    }
    HPOWERNOTIFY RegisterDisplayNotification(HWND hWnd) override
    {
        m_hRegistered = hWnd;
        return m_hNotify;
    }
    void UnregisterDisplayNotification(HPOWERNOTIFY hNotify) override { m_unregistered.push_back(hNotify); }
    std::vector<ShowArea> MonitorAreas() override { return m_monitors; }
    RECT VirtualScreen() override { return m_rcVirtual; }

    BOOL m_bWin9x = FALSE;
    BOOL m_bVerdict = TRUE;
    int m_nVerifyCalls = 0;
    DWORD m_nUsePassword = 0;
    int m_nQueries = 0;
    std::vector<BOOL> m_running;
    std::function<void(HWND)> m_onVerify;

    const HPOWERNOTIFY m_hNotify = reinterpret_cast<HPOWERNOTIFY>(0x5A5A);
    HWND m_hRegistered = nullptr;
    std::vector<HPOWERNOTIFY> m_unregistered;

    std::vector<ShowArea> m_monitors;  // none: the window's client area is the one area
    RECT m_rcVirtual{};
};
