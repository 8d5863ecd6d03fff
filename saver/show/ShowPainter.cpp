#include "ShowPainter.h"

#include "ScopedSelect.h"

#include <algorithm>

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);

bool IsDissolve(const ShowState& frame)
{
    return frame.m_nPhase != PHASE_SLIDE_IN && frame.m_nPhase != PHASE_HOLD;
}

// The picture's fit of area nArea, as it was prepared for the areas; none (the whole area
// black) for a picture left without its fits (no memory).
ShowGeometry AreaFit(const ShowScene& scene, size_t nArea)
{
    if (scene.m_pPicture == nullptr || nArea >= scene.m_pPicture->m_fits.size())
        return ShowGeometry{};
    return scene.m_pPicture->m_fits[nArea];
}

// The picture's copy for a dissolve, its top-left pixel at (x, y) of the window.
const CBitmap* DissolvedPicture(PreparedPicture* pPicture, const ShowGeometry& geometry, int x, int y,
                                const PatternRows& wPattern)
{
    if (pPicture == nullptr || geometry.m_nWidth <= 0 || geometry.m_nHeight <= 0)
        return nullptr;
    return pPicture->Dissolve(ShowSize{geometry.m_nWidth, geometry.m_nHeight}, x, y, wPattern);
}

// A 32-bit copy goes to the screen unconverted. A 24-bit one is converted through a buffer as
// large as what one call copies, and Wine keeps the largest such buffer for good: so it goes a
// band at a time.
void CopyPicture(CDC& dc, const CBitmap& bitmap, int x, int y, const ShowGeometry& geometry)
{
    BITMAP bm{};
    const int nBandRows = ::GetObjectA(bitmap, sizeof bm, &bm) != 0 && bm.bmBitsPixel == 32 ? geometry.m_nHeight : 64;
    CMemoryDC dcSource(dc);
    const CScopedSelect select(dcSource, bitmap);
    for (int nTop = 0; nTop < geometry.m_nHeight; nTop += nBandRows)
        dc.BitBlt(x, y + nTop, geometry.m_nWidth, std::min(nBandRows, geometry.m_nHeight - nTop), dcSource, 0, nTop,
                  SRCCOPY);
}

// Copies only the rows of the picture that hold a cell of wCells.
void CopyPictureRows(CDC& dc, const CBitmap& bitmap, int x, int y, const ShowGeometry& geometry,
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

void DrawPicture(CDC& dc, const CBitmap* pBitmap, const ShowGeometry& geometry, int x)
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

void FillBands(CDC& dc, const ShowGeometry& geometry, int x, int nAreaWidth, int nAreaHeight)
{
    dc.FillSolidRect(0, 0, x, nAreaHeight, kBlack);
    dc.FillSolidRect(x + geometry.m_nWidth, 0, nAreaWidth - x - geometry.m_nWidth, nAreaHeight, kBlack);
}

// Draws one area as if it were the whole client area: its origin moved to the area's corner
// and nothing drawn beyond its edges.
void DrawArea(CDC& dc, const ShowArea& area, const ShowGeometry& geometry, const ShowState& frame, BOOL bRepaint,
              PreparedPicture* pPicture)
{
    const int cw = area.m_nWidth;
    const int ch = area.m_nHeight;
    const CBitmap* pBitmap = nullptr;
    if (IsDissolve(frame))
        pBitmap = DissolvedPicture(pPicture, geometry, area.m_nLeft + geometry.m_nLeft, area.m_nTop + geometry.m_nTop,
                                   frame.m_wPattern);
    else if (pPicture != nullptr)
        pBitmap = pPicture->Find(ShowSize{geometry.m_nWidth, geometry.m_nHeight});
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
        if (pPicture != nullptr && pPicture->IsDecoded())
            DrawPicture(dc, pBitmap, geometry, geometry.m_nLeft);
        FillBands(dc, geometry, geometry.m_nLeft, cw, ch);
        break;
    }
    dc.RestoreDC(nSaved);
}

void ApplyPattern(CDC& dc, const PatternRows& wPattern, int nClientWidth, int nClientHeight)
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

}  // namespace

void CShowPainter::Draw(CDC& dc, const ShowState& frame, BOOL bRepaint, const ShowScene& scene)
{
    const std::vector<ShowArea>& areas = scene.m_areas;
    if (IsDissolve(frame) && scene.m_pPicture != nullptr)
        for (size_t i = 0; i < areas.size(); ++i) {
            const ShowGeometry geometry = AreaFit(scene, i);
            scene.m_pPicture->ClaimDissolveCopy(ShowSize{geometry.m_nWidth, geometry.m_nHeight},
                                                areas[i].m_nLeft + geometry.m_nLeft, areas[i].m_nTop + geometry.m_nTop);
        }
    if (IsDissolve(frame) && !bRepaint) {
        DrawDissolveStep(dc, frame.m_wPattern, scene);
        return;
    }
    for (size_t i = 0; i < areas.size(); ++i)
        DrawArea(dc, areas[i], AreaFit(scene, i), frame, bRepaint, scene.m_pPicture);
    // A slide's last step leaves each picture whole in its place. (A repaint changes nothing
    // here: it may cover only part of the window, and it draws what the window should show.)
    if (!bRepaint) {
        m_bPicturesShown = TRUE;
        m_wShownCells = PatternRows{};
    }
    // Over the bands above and below the pictures and the gaps between monitors too.
    if (IsDissolve(frame))
        ApplyPattern(dc, frame.m_wPattern, scene.m_sizeClient.cx, scene.m_sizeClient.cy);
}

// Each picture's copy already holds the cells: it goes to the window as it is. Only where no
// copy is, or what lies outside the pictures may not be black, does the pattern go over it.
void CShowPainter::DrawDissolveStep(CDC& dc, const PatternRows& wPattern, const ShowScene& scene)
{
    // Where the window shows the pictures with some cells already, only rows gaining one change;
    // elsewhere every row is copied.
    PatternRows wNew;
    wNew.fill(kFullPatternRow);
    if (m_bPicturesShown)
        for (size_t i = 0; i < wNew.size(); ++i)
            wNew[i] = static_cast<uint16_t>(wPattern[i] & ~m_wShownCells[i]);
    const int nSaved = dc.SaveDC();
    BOOL bPatternNeeded = !m_bOutsideBlack;
    for (size_t i = 0; i < scene.m_areas.size(); ++i) {
        const ShowGeometry geometry = AreaFit(scene, i);
        const int x = scene.m_areas[i].m_nLeft + geometry.m_nLeft;
        const int y = scene.m_areas[i].m_nTop + geometry.m_nTop;
        const CBitmap* pBitmap = DissolvedPicture(scene.m_pPicture, geometry, x, y, wPattern);
        if (pBitmap == nullptr) {
            bPatternNeeded = TRUE;
            continue;
        }
        CopyPictureRows(dc, *pBitmap, x, y, geometry, wNew);
        dc.ExcludeClipRect(x, y, x + geometry.m_nWidth, y + geometry.m_nHeight);
    }
    if (bPatternNeeded)
        ApplyPattern(dc, wPattern, scene.m_sizeClient.cx, scene.m_sizeClient.cy);
    dc.RestoreDC(nSaved);
    m_bPicturesShown = TRUE;
    m_wShownCells = wPattern;
    // A full pattern has left the whole window black.
    if (std::all_of(wPattern.begin(), wPattern.end(),
                    [](uint16_t w) { return (w & kFullPatternRow) == kFullPatternRow; }))
        m_bOutsideBlack = TRUE;
}
