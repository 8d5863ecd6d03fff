#pragma once

#include "SlideShowWnd.h"

#include <vector>

// The slide show with its state and drawing open to the tests, and monitors of the tests' own.
class CTestSlideShow : public CSlideShowWnd
{
public:
    explicit CTestSlideShow(PictureDecoder pfnDecode) : CSlideShowWnd(CSaverPlatform::System(), pfnDecode) {}

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

inline HBITMAP NoPicture(HMODULE, UINT)
{
    return nullptr;
}

// Creates a hidden preview-mode show window at the screen's origin with a client area of the
// given size; the window object deletes itself when the window is destroyed.
inline CTestSlideShow* CreateHiddenShow(int nWidth, int nHeight, PictureDecoder pfnDecode = LoadJpegResource,
                                        const std::vector<ShowArea>& monitors = {})
{
    CTestSlideShow* pShow = new CTestSlideShow(pfnDecode);
    pShow->m_monitors = monitors;
    pShow->SetPreviewMode();
    const RECT rect{0, 0, nWidth, nHeight};
    if (!pShow->CreateEx(0, AfxRegisterWndClass(0), nullptr, WS_POPUP, rect, nullptr, 0))
        return nullptr;
    return pShow;
}
