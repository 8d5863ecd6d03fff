#pragma once

#include "Gdi.h"
#include "JpegResource.h"
#include "PictureWorker.h"
#include "SaverWnd.h"
#include "ShowGeometry.h"
#include "ShowLayout.h"
#include "ShowStep.h"

#include <memory>
#include <vector>

// The show: each picture slides in from the right, stands, and dissolves to black through a
// random 8 x 8 pattern; then the next one comes. Full screen, every monitor is an area of its
// own showing the same frame; a preview or the test window is one area. Pictures are prepared
// on a worker thread while the one before is shown, so a step only copies bitmaps. Full
// screen, it rests while the display is off. Input and closing are the base class's.
class CSlideShowWnd : public CSaverWnd
{
public:
    explicit CSlideShowWnd(CSaverPlatform& platform = CSaverPlatform::System(),
                           PictureDecoder pfnDecode = LoadJpegResource);

protected:
    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;
    int OnCreate(LPCREATESTRUCTW pCreate) override;
    void OnTimer(UINT_PTR nIdEvent) override;
    void OnPaint() override;

    // Draws a frame: the whole client area on a repaint, else what a timer step changes.
    void DrawFrame(CDC& dc, const ShowState& frame, BOOL bRepaint);
    // Lays the areas out again for the window as it now is; pictures prepared for other sizes
    // are prepared again.
    void LayOut();
    // Puts picture m_show.m_nPicture in place, waiting for its preparation if it is late.
    void TakeNextPicture();

    ShowState m_show;
    std::vector<ShowArea> m_areas;
    std::unique_ptr<PreparedPicture> m_pPicture;  // the current picture; null before the first
    std::unique_ptr<PreparedPicture> m_pNext;     // the next one, once its preparation is back
    int m_nNextPicture = -1;                      // the picture being prepared or prepared next

private:
    void OnPictureReady(LPARAM lParam);
    void OnPowerSettingChange(const POWERBROADCAST_SETTING* pSetting);
    void OnDisplayChange();
    void OnDestroy();
    // The monitors in screen coordinates; none for a preview or the test window.
    std::vector<ShowArea> FindMonitors();
    // The show as it stands, the whole client area, into the window or a context it is given.
    void Repaint(HDC hDC);

    void PrepareForAreas();
    void PrepareNext(int nPicture);
    void DrawDissolveStep(CDC& dc, const PatternRows& wPattern);
    void DrawArea(CDC& dc, const ShowArea& area, const ShowGeometry& geometry, const ShowState& frame, BOOL bRepaint);
    // The current picture's fit of area nArea of m_areas, as it was prepared for them.
    ShowGeometry AreaFit(size_t nArea) const;
    // The current picture's copy for a dissolve, its top-left pixel at (x, y) of the window.
    const CBitmap* DissolvedPicture(const ShowGeometry& geometry, int x, int y, const PatternRows& wPattern);
    void DrawPicture(CDC& dc, const CBitmap* pBitmap, const ShowGeometry& geometry, int x);
    void CopyPicture(CDC& dc, const CBitmap& bitmap, int x, int y, const ShowGeometry& geometry);
    // Copies only the rows of the picture that hold a cell of wCells.
    void CopyPictureRows(CDC& dc, const CBitmap& bitmap, int x, int y, const ShowGeometry& geometry,
                         const PatternRows& wCells);
    void FillBands(CDC& dc, const ShowGeometry& geometry, int x, int nAreaWidth, int nAreaHeight);
    void ApplyPattern(CDC& dc, const PatternRows& wPattern, int nClientWidth, int nClientHeight);

    CPictureWorker m_worker;
    // Whether everything outside the pictures is black on the window, as each dissolve leaves
    // it: a dissolve step then has nothing to do there.
    BOOL m_bOutsideBlack = FALSE;
    // Whether the window shows each area's picture whole, with the cells m_wShownCells black, as
    // the last timer step drew it.
    BOOL m_bPicturesShown = FALSE;
    PatternRows m_wShownCells{};
    // Full screen: the display's power report, and what waits for the display to come back.
    HPOWERNOTIFY m_hDisplayNotify = nullptr;
    BOOL m_bDisplayOff = FALSE;
    BOOL m_bLayoutPending = FALSE;
    BOOL m_bRepaintPending = FALSE;
};
