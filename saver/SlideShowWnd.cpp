#include "SlideShowWnd.h"

#include "JpegResource.h"
#include "PaintDC.h"
#include "SaverResource.h"

#include <cstdlib>

namespace {

constexpr UINT_PTR kShowTimer = 1;
constexpr COLORREF kBlack = RGB(0, 0, 0);

}  // namespace

CSlideShowWnd::CSlideShowWnd(CSaverPlatform& platform) : CSaverWnd(platform) {}

int CSlideShowWnd::OnCreate(LPCREATESTRUCTW pCreate)
{
    if (CSaverWnd::OnCreate(pCreate) == -1)
        return -1;
    SetTimer(kShowTimer, kStepPeriod);
    return 0;
}

void CSlideShowWnd::OnTimer(UINT_PTR)
{
    const ShowStepResult step = StepShow(m_show, std::rand);
    if (step.m_bDraw) {
        CClientDC dc(m_hWnd);
        if (dc.GetSafeHdc() != nullptr)
            DrawFrame(dc, step.m_frame, FALSE);
    }
    if (step.m_bLoadPicture)
        LoadPicture();
    if (step.m_nPeriod != 0)
        SetTimer(kShowTimer, step.m_nPeriod);
    Default();
}

void CSlideShowWnd::OnPaint()
{
    CPaintDC dc(this);
    DrawShow(&dc, TRUE);
}

void CSlideShowWnd::DrawShow(CDC* pDC, BOOL bRepaint)
{
    if (pDC != nullptr && pDC->GetSafeHdc() != nullptr)
        DrawFrame(*pDC, m_show, bRepaint);
}

void CSlideShowWnd::DrawFrame(CDC& dc, const ShowState& frame, BOOL bRepaint)
{
    RECT rcClient{};
    GetClientRect(&rcClient);
    const int cw = rcClient.right;
    const int ch = rcClient.bottom;
    const SIZE sizePicture = m_bmpPicture.GetSize();
    const ShowGeometry geometry = ComputeGeometry(cw, ch, sizePicture.cx, sizePicture.cy);
    switch (frame.m_nPhase) {
    case PHASE_SLIDE_IN: {
        const int x = ComputeSlideLeft(geometry, cw, frame.m_nStep);
        // A timer step finds the left of the picture black already: the dissolve made it so.
        if (bRepaint)
            dc.FillSolidRect(0, 0, x, ch, kBlack);
        DrawPicture(dc, geometry, x);
        dc.FillSolidRect(x + geometry.m_nWidth, 0, cw - x - geometry.m_nWidth, ch, kBlack);
        break;
    }
    case PHASE_HOLD:
        if (bRepaint)
            FillBands(dc, geometry, geometry.m_nLeft, cw, ch);
        DrawPicture(dc, geometry, geometry.m_nLeft);
        break;
    default:
        if (bRepaint) {
            if (m_bmpPicture.GetSafeHandle() != nullptr)
                DrawPicture(dc, geometry, geometry.m_nLeft);
            FillBands(dc, geometry, geometry.m_nLeft, cw, ch);
        }
        ApplyPattern(dc, frame.m_wPattern, cw, ch);
        break;
    }
}

void CSlideShowWnd::FillBands(CDC& dc, const ShowGeometry& geometry, int x, int nClientWidth, int nClientHeight)
{
    dc.FillSolidRect(0, 0, x, nClientHeight, kBlack);
    dc.FillSolidRect(x + geometry.m_nWidth, 0, nClientWidth - x - geometry.m_nWidth, nClientHeight, kBlack);
}

void CSlideShowWnd::DrawPicture(CDC& dc, const ShowGeometry& geometry, int x)
{
    if (geometry.m_nWidth <= 0 || geometry.m_nHeight <= 0)
        return;
    // A picture that could not be decoded keeps its turn black.
    if (m_bmpPicture.GetSafeHandle() == nullptr) {
        dc.FillSolidRect(x, geometry.m_nTop, geometry.m_nWidth, geometry.m_nHeight, kBlack);
        return;
    }
    if (PrepareScaled(dc, geometry)) {
        const CBitmap& bmpSource = m_bmpScaled.GetSafeHandle() != nullptr ? m_bmpScaled : m_bmpPicture;
        CMemoryDC dcSource(dc);
        dcSource.SelectObject(bmpSource);
        dc.BitBlt(x, geometry.m_nTop, geometry.m_nWidth, geometry.m_nHeight, dcSource, 0, 0, SRCCOPY);
        return;
    }
    // No memory for the scaled copy: scale at each draw instead.
    const SIZE sizePicture = m_bmpPicture.GetSize();
    CMemoryDC dcSource(dc);
    dcSource.SelectObject(m_bmpPicture);
    dc.SetStretchBltMode(HALFTONE);
    dc.SetBrushOrg(0, 0);
    dc.StretchBlt(x, geometry.m_nTop, geometry.m_nWidth, geometry.m_nHeight, dcSource, 0, 0, sizePicture.cx,
                  sizePicture.cy, SRCCOPY);
}

BOOL CSlideShowWnd::PrepareScaled(CDC& dc, const ShowGeometry& geometry)
{
    const SIZE sizePicture = m_bmpPicture.GetSize();
    if (sizePicture.cx == geometry.m_nWidth && sizePicture.cy == geometry.m_nHeight) {
        // Drawn at its own size: the picture itself is the source.
        m_bmpScaled.DeleteObject();
        return TRUE;
    }
    if (m_bmpScaled.GetSafeHandle() != nullptr && m_sizeScaled.cx == geometry.m_nWidth &&
        m_sizeScaled.cy == geometry.m_nHeight)
        return TRUE;
    if (!m_bmpScaled.CreateCompatibleBitmap(dc, geometry.m_nWidth, geometry.m_nHeight))
        return FALSE;
    m_sizeScaled = SIZE{geometry.m_nWidth, geometry.m_nHeight};
    // Stretched whole and unclipped: a stretch that an edge clips samples differently.
    CMemoryDC dcSource(dc);
    CMemoryDC dcScaled(dc);
    dcSource.SelectObject(m_bmpPicture);
    dcScaled.SelectObject(m_bmpScaled);
    dcScaled.SetStretchBltMode(HALFTONE);
    dcScaled.SetBrushOrg(0, 0);
    dcScaled.StretchBlt(0, 0, geometry.m_nWidth, geometry.m_nHeight, dcSource, 0, 0, sizePicture.cx, sizePicture.cy,
                        SRCCOPY);
    return TRUE;
}

void CSlideShowWnd::ApplyPattern(CDC& dc, const PatternRows& wPattern, int nClientWidth, int nClientHeight)
{
    CBitmap bmpPattern;
    CBrush brush;
    if (!bmpPattern.CreateBitmap(8, 8, 1, 1, wPattern.data()) || !brush.CreatePatternBrush(bmpPattern))
        return;
    const int nSaved = dc.SaveDC();
    // Set cells take the background colour: white, so that the mix turns them black.
    dc.SetBkColor(RGB(255, 255, 255));
    dc.SetTextColor(kBlack);
    dc.SetBrushOrg(0, 0);
    dc.SelectObject(brush);
    dc.SetROP2(R2_MASKNOTPEN);
    dc.Rectangle(-1, -1, nClientWidth + 1, nClientHeight + 1);
    dc.RestoreDC(nSaved);
}

void CSlideShowWnd::LoadPicture()
{
    m_bmpScaled.DeleteObject();
    m_bmpPicture.DeleteObject();
    m_bmpPicture.Attach(LoadPictureBitmap(static_cast<UINT>(IDR_PICTURE1 + m_show.m_nPicture)));
}

HBITMAP CSlideShowWnd::LoadPictureBitmap(UINT nId)
{
    return LoadJpegResource(nullptr, nId);
}
