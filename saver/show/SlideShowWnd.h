#pragma once

#include "Gdi.h"
#include "JpegResource.h"
#include "PictureWorker.h"
#include "SaverWnd.h"
#include "ShowLayout.h"
#include "ShowPainter.h"
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

private:
    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;
    int OnCreate(LPCREATESTRUCTW pCreate) override;
    void OnTimer(UINT_PTR nIdEvent) override;
    void OnPaint() override;
    void OnPictureReady(LPARAM lParam);
    void OnPowerSettingChange(const POWERBROADCAST_SETTING* pSetting);
    void OnDisplayChange();
    void OnDestroy();
    // The monitors in screen coordinates; none for a preview or the test window.
    std::vector<ShowArea> FindMonitors();
    // The show as it stands, the whole client area, into the window or a context it is given.
    void Repaint(HDC hDC);

    // Draws a frame: the whole client area on a repaint, else what a timer step changes.
    void DrawFrame(CDC& dc, const ShowState& frame, BOOL bRepaint);
    // Lays the areas out again for the window as it now is; pictures prepared for other sizes
    // are prepared again.
    void LayOut();
    void PrepareForAreas();
    void PrepareNext(int nPicture);
    // Puts picture m_show.m_nPicture in place, waiting for its preparation if it is late.
    void TakeNextPicture();

    ShowState m_show;
    std::vector<ShowArea> m_areas;
    std::unique_ptr<PreparedPicture> m_pPicture;  // the current picture; a black one before the first
    std::unique_ptr<PreparedPicture> m_pNext;     // the next one, once its preparation is back
    int m_nNextPicture = -1;                      // the picture being prepared or prepared next
    CPictureWorker m_worker;
    CShowPainter m_painter;
    // Full screen: the display's power report, and what waits for the display to come back.
    HPOWERNOTIFY m_hDisplayNotify = nullptr;
    BOOL m_bDisplayOff = FALSE;
    BOOL m_bLayoutPending = FALSE;
    BOOL m_bRepaintPending = FALSE;
};
