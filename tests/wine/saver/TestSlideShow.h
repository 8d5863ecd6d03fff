#pragma once

#include "SlideShowWnd.h"

#include <vector>

// The slide show with its state and drawing open to the tests, and the pictures it asks for
// recorded. bMissing makes every picture fail to load.
class CTestSlideShow : public CSlideShowWnd
{
public:
    explicit CTestSlideShow(CSaverPlatform& platform = CSaverPlatform::System()) : CSlideShowWnd(platform) {}

    using CSlideShowWnd::DrawFrame;
    using CSlideShowWnd::LoadPicture;
    using CSlideShowWnd::m_bmpPicture;
    using CSlideShowWnd::m_show;
    using CSlideShowWnd::OnTimer;

    std::vector<UINT> m_loaded;
    bool m_bMissing = false;

protected:
    HBITMAP LoadPictureBitmap(UINT nId) override
    {
        m_loaded.push_back(nId);
        return m_bMissing ? nullptr : CSlideShowWnd::LoadPictureBitmap(nId);
    }
};

// Creates a hidden preview-mode show window with a client area of the given size; the window
// object deletes itself when the window is destroyed.
inline CTestSlideShow* CreateHiddenShow(int nWidth, int nHeight, bool bMissing = false)
{
    CTestSlideShow* pShow = new CTestSlideShow;
    pShow->m_bMissing = bMissing;
    pShow->SetPreviewMode();
    const RECT rect{0, 0, nWidth, nHeight};
    if (!pShow->CreateEx(0, AfxRegisterWndClass(0), nullptr, WS_POPUP, rect, nullptr, 0))
        return nullptr;
    return pShow;
}
