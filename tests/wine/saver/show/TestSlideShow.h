#pragma once

#include "SlideShowWnd.h"

#include <vector>

// The slide show with its state and drawing open to the tests, and monitors of the tests' own.
class CTestSlideShow : public CSlideShowWnd
{
public:
    explicit CTestSlideShow(PictureDecoder pfnDecode, CSaverPlatform& platform = CSaverPlatform::System())
        : CSlideShowWnd(platform, pfnDecode)
    {
    }

    using CSlideShowWnd::DrawFrame;
    using CSlideShowWnd::m_areas;
    using CSlideShowWnd::m_pNext;
    using CSlideShowWnd::m_pPicture;
    using CSlideShowWnd::m_show;
    using CSlideShowWnd::OnTimer;
    using CSlideShowWnd::TakeNextPicture;

    std::vector<ShowArea> m_monitors;  // in screen coordinates; none: the client area is the one area

protected:
    std::vector<ShowArea> FindMonitors() override { return m_monitors; }
};

// The display's power report as the tests want it: registrations and their undoing recorded.
class CDisplayPlatformFake : public CSaverPlatform
{
public:
    HPOWERNOTIFY RegisterDisplayNotification(HWND hWnd) override
    {
        m_hRegistered = hWnd;
        return m_hNotify;
    }
    void UnregisterDisplayNotification(HPOWERNOTIFY hNotify) override { m_unregistered.push_back(hNotify); }

    const HPOWERNOTIFY m_hNotify = reinterpret_cast<HPOWERNOTIFY>(0x5A5A);
    HWND m_hRegistered = nullptr;
    std::vector<HPOWERNOTIFY> m_unregistered;
};

inline HBITMAP NoPicture(HMODULE, UINT)
{
    return nullptr;
}

// Creates a hidden show window at the screen's origin with a client area of the given size: a
// preview-mode one, or full screen over the given platform. The window object deletes itself
// when the window is destroyed.
inline CTestSlideShow* CreateHiddenShow(int nWidth, int nHeight, PictureDecoder pfnDecode = LoadJpegResource,
                                        const std::vector<ShowArea>& monitors = {},
                                        CSaverPlatform* pFullScreen = nullptr)
{
    CTestSlideShow* pShow = new CTestSlideShow(pfnDecode, pFullScreen ? *pFullScreen : CSaverPlatform::System());
    pShow->m_monitors = monitors;
    if (pFullScreen == nullptr)
        pShow->SetPreviewMode();
    const RECT rect{0, 0, nWidth, nHeight};
    if (!pShow->CreateEx(0, AfxRegisterWndClass(0), nullptr, WS_POPUP, rect, nullptr, 0))
        return nullptr;
    return pShow;
}
