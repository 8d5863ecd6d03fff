#pragma once

#include "SaverPlatformFake.h"
#include "SlideShowWnd.h"

#include <vector>

// The slide show with its state and drawing open to the tests.
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
};

inline HBITMAP NoPicture(HMODULE, UINT)
{
    return nullptr;
}

// Creates a hidden show window at the screen's origin with a client area of the given size: a
// preview-mode one, or full screen over the given platform, whose virtual screen it then is.
// The window object deletes itself when the window is destroyed.
inline CTestSlideShow* CreateHiddenShow(int nWidth, int nHeight, PictureDecoder pfnDecode = LoadJpegResource,
                                        CSaverPlatformFake* pFullScreen = nullptr)
{
    CTestSlideShow* pShow = new CTestSlideShow(pfnDecode, pFullScreen ? *pFullScreen : CSaverPlatform::System());
    const RECT rect{0, 0, nWidth, nHeight};
    if (pFullScreen != nullptr)
        pFullScreen->m_rcVirtual = rect;
    else
        pShow->SetPreviewMode();
    if (!pShow->CreateEx(0, AfxRegisterWndClass(0), nullptr, WS_POPUP, rect, nullptr, 0))
        return nullptr;
    return pShow;
}
