#include "SlideShowWnd.h"

#include "DisplayPower.h"
#include "PaintDC.h"
#include "ScopedSelect.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

constexpr UINT_PTR kShowTimer = 1;
constexpr UINT kPictureReadyMessage = WM_APP;
constexpr COLORREF kBlack = RGB(0, 0, 0);

bool IsDissolve(const ShowState& frame)
{
    return frame.m_nPhase != PHASE_SLIDE_IN && frame.m_nPhase != PHASE_HOLD;
}

}  // namespace

CSlideShowWnd::CSlideShowWnd(CSaverPlatform& platform, PictureDecoder pfnDecode)
    : CSaverWnd(platform)
    , m_worker(kPictureReadyMessage, pfnDecode)
{
}

LRESULT CSlideShowWnd::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    switch (nMsg) {
    case kPictureReadyMessage:
        OnPictureReady(lParam);
        return 0;
    case WM_PRINTCLIENT:
        Repaint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_SIZE:
        LayOut();
        return Default();
    case WM_DISPLAYCHANGE:
        OnDisplayChange();
        return Default();
    case WM_POWERBROADCAST:
        if (wParam != PBT_POWERSETTINGCHANGE)
            return CSaverWnd::WindowProc(nMsg, wParam, lParam);
        OnPowerSettingChange(reinterpret_cast<const POWERBROADCAST_SETTING*>(lParam));
        return TRUE;
    case WM_DESTROY:
        OnDestroy();
        return CSaverWnd::WindowProc(nMsg, wParam, lParam);
    default:
        return CSaverWnd::WindowProc(nMsg, wParam, lParam);
    }
}

int CSlideShowWnd::OnCreate(LPCREATESTRUCTW pCreate)
{
    if (CSaverWnd::OnCreate(pCreate) == -1)
        return -1;
    // Full screen, the show rests while the display is off; a preview lives as long as its host.
    if (!m_bPreview)
        m_hDisplayNotify = m_platform.RegisterDisplayNotification(m_hWnd);
    LayOut();
    // Ready by the end of the opening dissolve.
    PrepareNext(NextPicture(m_show.m_nPicture));
    SetTimer(kShowTimer, kStepPeriod);
    return 0;
}

void CSlideShowWnd::OnTimer(UINT_PTR)
{
    // A step the timer queued just before it was stopped.
    if (m_bDisplayOff)
        return;
    const ShowStepResult step = StepShow(m_show, std::rand);
    if (step.m_bDraw) {
        CClientDC dc(m_hWnd);
        if (dc.GetSafeHdc() != nullptr)
            DrawFrame(dc, step.m_frame, FALSE);
        else
            m_bOutsideBlack = m_bPicturesShown = FALSE;
    }
    if (step.m_bLoadPicture)
        TakeNextPicture();
    if (step.m_nPrepare >= 0)
        PrepareNext(step.m_nPrepare);
    if (step.m_nPeriod != 0)
        SetTimer(kShowTimer, step.m_nPeriod);
    Default();
}

void CSlideShowWnd::OnPaint()
{
    CPaintDC dc(this);
    if (m_bDisplayOff)
        m_bRepaintPending = TRUE;
    else
        Repaint(dc);
}

// While the display is off nothing is stepped, drawn or prepared. When it comes back the show
// goes on from the frame it stood at, which is still what the window shows.
void CSlideShowWnd::OnPowerSettingChange(const POWERBROADCAST_SETTING* pSetting)
{
    DWORD nState = 0;
    if (pSetting == nullptr || !IsDisplayPowerSetting(pSetting->PowerSetting) || pSetting->DataLength < sizeof nState)
        return;
    std::memcpy(&nState, pSetting->Data, sizeof nState);
    const BOOL bOff = IsDisplayOff(nState);
    if (bOff == m_bDisplayOff)
        return;
    m_bDisplayOff = bOff;
    if (bOff) {
        KillTimer(kShowTimer);
        return;
    }
    if (m_bLayoutPending) {
        m_bLayoutPending = FALSE;
        PrepareForAreas();
        m_bRepaintPending = TRUE;
    }
    if (m_bRepaintPending)
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
    m_bRepaintPending = FALSE;
    SetTimer(kShowTimer, m_show.m_nPhase == PHASE_HOLD ? kHoldPeriod : kStepPeriod);
}

void CSlideShowWnd::OnDestroy()
{
    // While the window exists, so that no job posted to it is lost.
    m_worker.Drain(m_hWnd);
    if (m_hDisplayNotify != nullptr)
        m_platform.UnregisterDisplayNotification(m_hDisplayNotify);
    m_hDisplayNotify = nullptr;
}

void CSlideShowWnd::OnPictureReady(LPARAM lParam)
{
    std::unique_ptr<PreparedPicture> pPicture = m_worker.Adopt(lParam);
    if (pPicture != nullptr)
        m_pNext = std::move(pPicture);
}

void CSlideShowWnd::OnDisplayChange()
{
    if (!m_bPreview) {
        const RECT rc = m_platform.VirtualScreen();
        ::SetWindowPos(m_hWnd, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                       SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // Monitors may have moved within a virtual screen of the same size, which sends no WM_SIZE.
    LayOut();
}

std::vector<ShowArea> CSlideShowWnd::FindMonitors()
{
    return m_bPreview ? std::vector<ShowArea>{} : m_platform.MonitorAreas();
}

void CSlideShowWnd::LayOut()
{
    RECT rcClient{};
    GetClientRect(&rcClient);
    POINT ptOrigin{0, 0};
    ::ClientToScreen(m_hWnd, &ptOrigin);
    std::vector<ShowArea> areas =
        LayOutShowAreas(ShowArea{ptOrigin.x, ptOrigin.y, rcClient.right, rcClient.bottom}, FindMonitors());
    if (areas == m_areas)
        return;
    m_areas = std::move(areas);
    m_bOutsideBlack = m_bPicturesShown = FALSE;
    // The pictures are prepared for the new areas once the display is back.
    if (m_bDisplayOff) {
        m_bLayoutPending = TRUE;
        return;
    }
    PrepareForAreas();
}

void CSlideShowWnd::PrepareForAreas()
{
    // A relayout is rare and the current picture is on screen: it waits for its new fits. Before
    // the first picture there is nothing to show, fitted all the same.
    const int nPicture = m_pPicture != nullptr ? m_pPicture->m_nPicture : -1;
    if (nPicture >= 0) {
        m_worker.Start(m_hWnd, nPicture, m_areas);
        m_pPicture = m_worker.Wait();
    }
    if (m_pPicture == nullptr || nPicture < 0)
        m_pPicture = std::make_unique<PreparedPicture>(BlackPicture(nPicture, m_areas));
    if (m_nNextPicture >= 0)
        PrepareNext(m_nNextPicture);
}

void CSlideShowWnd::PrepareNext(int nPicture)
{
    m_nNextPicture = nPicture;
    m_pNext.reset();
    m_worker.Start(m_hWnd, nPicture, m_areas);
}

void CSlideShowWnd::TakeNextPicture()
{
    const int nPicture = m_show.m_nPicture;
    if (m_pNext != nullptr && m_pNext->m_nPicture != nPicture)
        m_pNext.reset();
    if (m_pNext == nullptr) {
        // Late (a slow machine): this step waits rather than show another frame.
        if (m_nNextPicture != nPicture || !m_worker.IsPreparing())
            m_worker.Start(m_hWnd, nPicture, m_areas);
        m_pNext = m_worker.Wait();
    }
    // No thread to prepare it: the picture keeps its turn black.
    if (m_pNext == nullptr)
        m_pNext = std::make_unique<PreparedPicture>(BlackPicture(nPicture, m_areas));
    // The old picture's bitmaps go before anything else is prepared.
    m_pPicture = std::move(m_pNext);
    m_nNextPicture = -1;
}

void CSlideShowWnd::Repaint(HDC hDC)
{
    if (hDC == nullptr)
        return;
    // What the context showed outside the pictures before is no longer known.
    m_bOutsideBlack = FALSE;
    CDC dc(hDC);
    DrawFrame(dc, m_show, TRUE);
}

void CSlideShowWnd::DrawFrame(CDC& dc, const ShowState& frame, BOOL bRepaint)
{
    if (IsDissolve(frame) && m_pPicture != nullptr)
        for (size_t i = 0; i < m_areas.size(); ++i) {
            const ShowGeometry geometry = AreaFit(i);
            m_pPicture->ClaimDissolveCopy(ShowSize{geometry.m_nWidth, geometry.m_nHeight},
                                          m_areas[i].m_nLeft + geometry.m_nLeft, m_areas[i].m_nTop + geometry.m_nTop);
        }
    if (IsDissolve(frame) && !bRepaint) {
        DrawDissolveStep(dc, frame.m_wPattern);
        return;
    }
    for (size_t i = 0; i < m_areas.size(); ++i)
        DrawArea(dc, m_areas[i], AreaFit(i), frame, bRepaint);
    // A slide's last step leaves each picture whole in its place. (A repaint changes nothing
    // here: it may cover only part of the window, and it draws what the window should show.)
    if (!bRepaint) {
        m_bPicturesShown = TRUE;
        m_wShownCells = PatternRows{};
    }
    // Over the bands above and below the pictures and the gaps between monitors too.
    if (IsDissolve(frame)) {
        RECT rcClient{};
        GetClientRect(&rcClient);
        ApplyPattern(dc, frame.m_wPattern, rcClient.right, rcClient.bottom);
    }
}

// Each picture's copy already holds the cells: it goes to the window as it is. Only where no
// copy is, or what lies outside the pictures may not be black, does the pattern go over it.
void CSlideShowWnd::DrawDissolveStep(CDC& dc, const PatternRows& wPattern)
{
    RECT rcClient{};
    GetClientRect(&rcClient);
    // Where the window shows the pictures with some cells already, only rows gaining one change;
    // elsewhere every row is copied.
    PatternRows wNew;
    wNew.fill(kFullPatternRow);
    if (m_bPicturesShown)
        for (size_t i = 0; i < wNew.size(); ++i)
            wNew[i] = static_cast<uint16_t>(wPattern[i] & ~m_wShownCells[i]);
    const int nSaved = dc.SaveDC();
    BOOL bPatternNeeded = !m_bOutsideBlack;
    for (size_t i = 0; i < m_areas.size(); ++i) {
        const ShowGeometry geometry = AreaFit(i);
        const int x = m_areas[i].m_nLeft + geometry.m_nLeft;
        const int y = m_areas[i].m_nTop + geometry.m_nTop;
        const CBitmap* pBitmap = DissolvedPicture(geometry, x, y, wPattern);
        if (pBitmap == nullptr) {
            bPatternNeeded = TRUE;
            continue;
        }
        CopyPictureRows(dc, *pBitmap, x, y, geometry, wNew);
        dc.ExcludeClipRect(x, y, x + geometry.m_nWidth, y + geometry.m_nHeight);
    }
    if (bPatternNeeded)
        ApplyPattern(dc, wPattern, rcClient.right, rcClient.bottom);
    dc.RestoreDC(nSaved);
    m_bPicturesShown = TRUE;
    m_wShownCells = wPattern;
    // A full pattern has left the whole window black.
    if (std::all_of(wPattern.begin(), wPattern.end(),
                    [](uint16_t w) { return (w & kFullPatternRow) == kFullPatternRow; }))
        m_bOutsideBlack = TRUE;
}

ShowGeometry CSlideShowWnd::AreaFit(size_t nArea) const
{
    // A picture left without its fits (no memory) leaves the whole area black.
    if (m_pPicture == nullptr || nArea >= m_pPicture->m_fits.size())
        return ShowGeometry{};
    return m_pPicture->m_fits[nArea];
}

const CBitmap* CSlideShowWnd::DissolvedPicture(const ShowGeometry& geometry, int x, int y, const PatternRows& wPattern)
{
    if (m_pPicture == nullptr || geometry.m_nWidth <= 0 || geometry.m_nHeight <= 0)
        return nullptr;
    return m_pPicture->Dissolve(ShowSize{geometry.m_nWidth, geometry.m_nHeight}, x, y, wPattern);
}

// Draws one area as if it were the whole client area: its origin moved to the area's corner
// and nothing drawn beyond its edges.
void CSlideShowWnd::DrawArea(CDC& dc, const ShowArea& area, const ShowGeometry& geometry, const ShowState& frame,
                             BOOL bRepaint)
{
    const int cw = area.m_nWidth;
    const int ch = area.m_nHeight;
    const CBitmap* pBitmap = nullptr;
    if (IsDissolve(frame))
        pBitmap = DissolvedPicture(geometry, area.m_nLeft + geometry.m_nLeft, area.m_nTop + geometry.m_nTop,
                                   frame.m_wPattern);
    else if (m_pPicture != nullptr)
        pBitmap = m_pPicture->Find(ShowSize{geometry.m_nWidth, geometry.m_nHeight});
    const int nSaved = dc.SaveDC();
    dc.SetViewportOrg(area.m_nLeft, area.m_nTop);
    dc.IntersectClipRect(0, 0, cw, ch);
    switch (frame.m_nPhase) {
    case PHASE_SLIDE_IN: {
        const int x = ComputeSlideLeft(geometry, cw, frame.m_nStep);
        // A timer step finds the left of the picture black already: the dissolve made it so.
        if (bRepaint)
            dc.FillSolidRect(0, 0, x, ch, kBlack);
        DrawPicture(dc, pBitmap, geometry, x);
        dc.FillSolidRect(x + geometry.m_nWidth, 0, cw - x - geometry.m_nWidth, ch, kBlack);
        break;
    }
    case PHASE_HOLD:
        if (bRepaint)
            FillBands(dc, geometry, geometry.m_nLeft, cw, ch);
        DrawPicture(dc, pBitmap, geometry, geometry.m_nLeft);
        break;
    default:
        if (m_pPicture != nullptr && m_pPicture->IsDecoded())
            DrawPicture(dc, pBitmap, geometry, geometry.m_nLeft);
        FillBands(dc, geometry, geometry.m_nLeft, cw, ch);
        break;
    }
    dc.RestoreDC(nSaved);
}

void CSlideShowWnd::FillBands(CDC& dc, const ShowGeometry& geometry, int x, int nAreaWidth, int nAreaHeight)
{
    dc.FillSolidRect(0, 0, x, nAreaHeight, kBlack);
    dc.FillSolidRect(x + geometry.m_nWidth, 0, nAreaWidth - x - geometry.m_nWidth, nAreaHeight, kBlack);
}

void CSlideShowWnd::DrawPicture(CDC& dc, const CBitmap* pBitmap, const ShowGeometry& geometry, int x)
{
    if (geometry.m_nWidth <= 0 || geometry.m_nHeight <= 0)
        return;
    // A picture that could not be decoded (or scaled) keeps its turn black.
    if (pBitmap == nullptr) {
        dc.FillSolidRect(x, geometry.m_nTop, geometry.m_nWidth, geometry.m_nHeight, kBlack);
        return;
    }
    CopyPicture(dc, *pBitmap, x, geometry.m_nTop, geometry);
}

void CSlideShowWnd::CopyPictureRows(CDC& dc, const CBitmap& bitmap, int x, int y, const ShowGeometry& geometry,
                                    const PatternRows& wCells)
{
    const std::vector<RowRun> runs = RowsWithCells(wCells, y, geometry.m_nHeight);
    if (runs.empty())
        return;
    std::vector<BYTE> region(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT));
    RGNDATA* pRegion = reinterpret_cast<RGNDATA*>(region.data());
    pRegion->rdh = RGNDATAHEADER{sizeof(RGNDATAHEADER), RDH_RECTANGLES, static_cast<DWORD>(runs.size()),
                                 static_cast<DWORD>(runs.size() * sizeof(RECT)),
                                 RECT{x, y + runs.front().m_nTop, x + geometry.m_nWidth, y + runs.back().m_nBottom}};
    RECT* pRects = reinterpret_cast<RECT*>(pRegion->Buffer);
    for (size_t i = 0; i < runs.size(); ++i)
        pRects[i] = RECT{x, y + runs[i].m_nTop, x + geometry.m_nWidth, y + runs[i].m_nBottom};
    CGdiObject rgnRows;
    rgnRows.Attach(::ExtCreateRegion(nullptr, static_cast<DWORD>(region.size()), pRegion));
    const int nSaved = dc.SaveDC();
    // One copy through a clip of the rows costs less than a copy for each of them.
    if (rgnRows.GetSafeHandle() != nullptr)
        ::ExtSelectClipRgn(dc, static_cast<HRGN>(rgnRows.GetSafeHandle()), RGN_AND);
    CopyPicture(dc, bitmap, x, y, geometry);
    dc.RestoreDC(nSaved);
}

void CSlideShowWnd::CopyPicture(CDC& dc, const CBitmap& bitmap, int x, int y, const ShowGeometry& geometry)
{
    CMemoryDC dcSource(dc);
    const CScopedSelect select(dcSource, bitmap);
    dc.BitBlt(x, y, geometry.m_nWidth, geometry.m_nHeight, dcSource, 0, 0, SRCCOPY);
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
    {
        const CScopedSelect select(dc, brush);
        dc.SetROP2(R2_MASKNOTPEN);
        dc.Rectangle(-1, -1, nClientWidth + 1, nClientHeight + 1);
    }
    dc.RestoreDC(nSaved);
}
