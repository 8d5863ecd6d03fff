#pragma once

#include "JpegResource.h"
#include "SaverPlatformFake.h"
#include "SaverResource.h"
#include "ShowOptions.h"
#include "ShowGeometry.h"
#include "ShowStep.h"
#include "SlideShowWnd.h"

#include <algorithm>
#include <cstdint>
#include <vector>

constexpr uint32_t kSentinel = 0x123456;  // what the display showed before the show drew
constexpr uint32_t kRgb = 0xFFFFFF;

// Timer steps from a new window to the first picture's hold, and from one hold to the next.
constexpr int kStepsToFirstHold = kDissolveLastStep + 1 + kSlideLastStep + 1;
constexpr int kStepsPerPicture = 1 + kDissolveLastStep + 1 + kSlideLastStep + 1;

inline HBITMAP NoPicture(HMODULE, UINT, const PictureNeed&)
{
    return nullptr;
}

// Picture n of the show as one colour of its own, so that a pixel tells which one is shown.
inline uint32_t PictureColour(int nPicture)
{
    const uint32_t colours[] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF};
    return colours[nPicture % 6];
}

inline HBITMAP ColourPicture(HMODULE, UINT nId, const PictureNeed&)
{
    BITMAPINFO info{};
    info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), 1024, -768, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* pBits = nullptr;
    const HBITMAP hBitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
    if (hBitmap != nullptr)
        std::fill_n(static_cast<uint32_t*>(pBits), 1024 * 768, PictureColour(static_cast<int>(nId - IDR_PICTURE1)));
    return hBitmap;
}

// Creates a hidden show window at the screen's origin with a client area of the given size: a
// preview-mode one, or full screen over the given platform, whose virtual screen it then is.
// The window object deletes itself when the window is destroyed.
// Unless told otherwise it shows the four pictures of the shipped saver with its defaults.
inline CSlideShowWnd* CreateHiddenShow(int nWidth, int nHeight, PictureDecoder pfnDecode = LoadJpegResource,
                                       CSaverPlatformFake* pFullScreen = nullptr,
                                       const ShowProgram& program = ShowProgram{4, {}})
{
    CSlideShowWnd* pShow = new CSlideShowWnd(pFullScreen ? *pFullScreen : CSaverPlatform::System(), pfnDecode, program);
    const RECT rect{0, 0, nWidth, nHeight};
    if (pFullScreen != nullptr)
        pFullScreen->m_rcVirtual = rect;
    else
        pShow->SetPreviewMode();
    if (!pShow->CreateEx(0, AfxRegisterWndClass(0), nullptr, WS_POPUP, rect, nullptr, 0))
        return nullptr;
    return pShow;
}

// Lets the show's preparations come back to it (its message for them is WM_APP) until nTotal
// have come since nSeen was 0, within a deadline. Only those messages run, so that no timer
// step of the window's own comes between the test's.
inline bool AwaitPreparations(HWND hWnd, int& nSeen, int nTotal)
{
    const DWORD nStart = GetTickCount();
    while (nSeen < nTotal && GetTickCount() - nStart < 20000) {
        MSG msg;
        if (PeekMessageW(&msg, hWnd, WM_APP, WM_APP, PM_REMOVE)) {
            DispatchMessageW(&msg);
            ++nSeen;
        } else {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_POSTMESSAGE);
        }
    }
    return nSeen >= nTotal;
}

// Timer steps back to back, as a slow machine's queue would deliver them.
inline void SendTimerSteps(HWND hWnd, int nSteps)
{
    for (int i = 0; i < nSteps; ++i)
        SendMessageW(hWnd, WM_TIMER, 1, 0);
}

// The whole client area as a repaint draws it, into the given context.
inline void PrintClient(HWND hWnd, HDC hDC)
{
    SendMessageW(hWnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(hDC), PRF_CLIENT);
}

// A 32-bit top-down DIB section selected into a memory context.
class CDibTarget
{
public:
    CDibTarget(int nWidth, int nHeight) : m_nWidth(nWidth), m_nHeight(nHeight), m_dc(CreateCompatibleDC(nullptr))
    {
        void* pBits = nullptr;
        m_bmp.CreateDIBSection(nWidth, nHeight, 32, &pBits);
        m_pBits = static_cast<uint32_t*>(pBits);
        m_hOld = SelectObject(m_dc, m_bmp);
        Fill(kSentinel);
    }
    ~CDibTarget()
    {
        SelectObject(m_dc, m_hOld);
        DeleteDC(m_dc);
    }

    void Fill(uint32_t nColor) { std::fill(m_pBits, m_pBits + m_nWidth * m_nHeight, nColor); }
    uint32_t At(int x, int y) const
    {
        GdiFlush();
        return m_pBits[y * m_nWidth + x] & kRgb;
    }
    std::vector<uint32_t> Pixels() const
    {
        GdiFlush();
        std::vector<uint32_t> pixels(m_pBits, m_pBits + m_nWidth * m_nHeight);
        for (uint32_t& n : pixels)
            n &= kRgb;
        return pixels;
    }
    CDC* Dc() { return &m_cdc; }

    int m_nWidth;
    int m_nHeight;
    HDC m_dc;

private:
    CBitmap m_bmp;
    HGDIOBJ m_hOld = nullptr;
    uint32_t* m_pBits = nullptr;
    CDC m_cdc{m_dc};
};

// Picture 1 decoded as for an area of dw x dh, then scaled whole, once, to that size by the
// show's scaler: what every step must show, only moved. The scaler's pixels themselves are owned
// by its native test.
inline std::vector<uint32_t> ScaledOnce(int nWidth, int nHeight)
{
    CDibTarget target(nWidth, nHeight);
    CBitmap bmpPicture, bmpScaled;
    bmpPicture.Attach(LoadJpegResource(nullptr, IDR_PICTURE1, PictureNeed{{{0, 0, nWidth, nHeight}}, FIT_FIT}));
    bmpScaled.CreateScaledCopy(bmpPicture, nWidth, nHeight);
    HDC hSource = CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = SelectObject(hSource, bmpScaled);
    BitBlt(target.m_dc, 0, 0, nWidth, nHeight, hSource, 0, 0, SRCCOPY);
    SelectObject(hSource, hOld);
    DeleteDC(hSource);
    return target.Pixels();
}

// Pixels of one area after a draw: the picture (scaled once) at x, black in the columns
// [nBlackFrom, nBlackTo) beside it, the rest (above and below it) as before; x and the columns
// count from the area's left. Returns how many differ.
inline int CountWrongInArea(const std::vector<uint32_t>& pixels, int nWidth, const ShowArea& area, int x,
                            int nBlackFrom, int nBlackTo, const std::vector<uint32_t>& before,
                            const std::vector<uint32_t>& picture)
{
    const ShowGeometry g = ComputeGeometry(area.m_nWidth, area.m_nHeight, 1024, 768);
    int nWrong = 0;
    for (int y = 0; y < area.m_nHeight; ++y)
        for (int cx = 0; cx < area.m_nWidth; ++cx) {
            const size_t i = static_cast<size_t>(y + area.m_nTop) * nWidth + cx + area.m_nLeft;
            uint32_t nExpected = before[i];
            const bool bPictureRows = y >= g.m_nTop && y < g.m_nTop + g.m_nHeight;
            const bool bPictureColumns = cx >= x && cx < x + g.m_nWidth;
            // Above and below the picture nothing is drawn; band fills take the full height.
            if (bPictureColumns && bPictureRows)
                nExpected = picture[(y - g.m_nTop) * g.m_nWidth + (cx - x)];
            else if (!bPictureColumns && cx >= nBlackFrom && cx < nBlackTo)
                nExpected = 0;
            nWrong += pixels[i] != nExpected;
        }
    return nWrong;
}
