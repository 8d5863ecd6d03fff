#pragma once

#include "Gdi.h"
#include "JpegResource.h"
#include "PictureWorker.h"
#include "SaverWnd.h"
#include "ShowLayout.h"
#include "ShowOrder.h"
#include "ShowPainter.h"
#include "ShowProgram.h"
#include "ShowStep.h"

#include <memory>
#include <vector>

// The show: each picture slides in from the right, stands, and dissolves to black through a
// random 8 x 8 pattern; then the next one comes, in the program's order. Full screen, every
// monitor is an area of its own showing the same frame; a preview or the test window is one
// area. Pictures are prepared on a worker thread while the one before is shown, so a step only
// copies bitmaps and never waits: a picture that is late keeps the window black until it is
// there, one that does not decode gives its turn to the next at once, and when none decodes
// the window stays black. Full screen, it rests while the display is off. Input and closing
// are the base class's.
class CSlideShowWnd : public CSaverWnd
{
public:
    explicit CSlideShowWnd(CSaverPlatform& platform = CSaverPlatform::System(),
                           PictureDecoder pfnDecode = LoadJpegResource,
                           const ShowProgram& program = LoadShowProgram(nullptr));

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
    // Whether every row of the window has been painted since it took its size: until then
    // paints draw it a band at a time and the timer steps nothing.
    BOOL IsDrawnWhole();

    // Draws a frame: the whole client area on a repaint, else what a timer step changes.
    void DrawFrame(CDC& dc, const ShowState& frame, BOOL bRepaint);
    // Lays the areas out again for the window as it now is; pictures prepared for other sizes
    // are prepared again.
    void LayOut();
    void PrepareForAreas();
    // Picks the picture after the current one and has it prepared.
    void ChooseNext();
    // Starts the one preparation the show lacks most, if none is under way: the current
    // picture for new areas, else the next.
    void PrepareMissing();
    // Picture nPicture's caption as the window's monitor shows it.
    PictureCaption CaptionOf(int nPicture);
    // The next picture, prepared, takes the current one's place, whose bitmaps go.
    void TakeNextPicture();
    // A picture that did not decode: the next in the order takes its turn, until every picture
    // has failed in a row.
    void SkipUndecodable(int nPicture);

    ShowProgram m_program;
    CShowOrder m_order;
    ShowState m_show;
    std::vector<ShowArea> m_areas;
    unsigned m_nLayout = 0;                       // counts the layouts, so that a late job can tell
    std::unique_ptr<PreparedPicture> m_pPicture;  // the current picture; a black one before the first
    BOOL m_bPictureStale = FALSE;                 // the current one waits for its fits to new areas
    std::unique_ptr<PreparedPicture> m_pNext;     // the next one, once its preparation is back
    int m_nNextPicture = -1;                      // the picture being prepared or prepared next
    BOOL m_bAwaitingNext = FALSE;                 // a dissolve ended before the next was ready
    std::vector<bool> m_failed;                   // the pictures that did not decode since one did
    int m_nFailed = 0;
    unsigned m_nJobLayout = 0;  // the layout the job under way prepares for
    CPictureWorker m_worker;
    CShowPainter m_painter;
    // Full screen: the display's power report, and what waits for the display to come back.
    HPOWERNOTIFY m_hDisplayNotify = nullptr;
    BOOL m_bDisplayOff = FALSE;
    BOOL m_bLayoutPending = FALSE;
    BOOL m_bRepaintPending = FALSE;
    int m_nDrawnRows = 0;  // the rows painted since the window took its size, from the top
};
