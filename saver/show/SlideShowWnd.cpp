#include "SlideShowWnd.h"

#include "DisplayPower.h"
#include "Dpi.h"
#include "SaverResource.h"
#include "PaintDC.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

constexpr UINT_PTR kShowTimer = 1;
constexpr UINT kPictureReadyMessage = WM_APP;
// What a paint of a window not yet drawn whole draws at most: the system gives a new window's
// memory its pages as they are first written, a full screen's taking a good part of a second.
constexpr int kFreshBandPixels = 256 * 1024;

}  // namespace

CSlideShowWnd::CSlideShowWnd(CSaverPlatform& platform, PictureDecoder pfnDecode, const ShowProgram& program)
    : CSaverWnd(platform)
    , m_program(program)
    , m_order(program.m_nPictures, program.m_options.m_nOrder)
    , m_failed(static_cast<size_t>(program.m_nPictures))
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
        m_nDrawnRows = 0;
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
    ChooseNext();
    SetTimer(kShowTimer, kStepPeriod);
    return 0;
}

void CSlideShowWnd::OnTimer(UINT_PTR)
{
    // A step the timer queued just before it was stopped; or the window stays black until the
    // next picture is there, or until it has been drawn whole once.
    if (m_bDisplayOff || m_bAwaitingNext || !IsDrawnWhole())
        return;
    const ShowStepResult step = StepShow(m_show, std::rand, m_program.m_options.m_nHoldSeconds * 1000);
    if (step.m_bDraw) {
        CClientDC dc(m_hWnd);
        if (dc.GetSafeHdc() != nullptr)
            DrawFrame(dc, step.m_frame, FALSE);
        else
            m_painter.Forget();
    }
    if (step.m_bLoadPicture)
        TakeNextPicture();
    if (step.m_bPrepareNext)
        ChooseNext();
    if (step.m_nPeriod != 0)
        SetTimer(kShowTimer, step.m_nPeriod);
    Default();
}

void CSlideShowWnd::OnPaint()
{
    CPaintDC dc(this);
    if (m_bDisplayOff) {
        m_bRepaintPending = TRUE;
        return;
    }
    if (IsDrawnWhole()) {
        Repaint(dc);
        return;
    }
    // A band of rows a paint, so that no message waits long for the first touch of them; the
    // rest comes again once the queue is empty.
    RECT rcClient{};
    GetClientRect(&rcClient);
    const int nTop = m_nDrawnRows;
    m_nDrawnRows += std::max(1, kFreshBandPixels / std::max(1, static_cast<int>(rcClient.right)));
    dc.IntersectClipRect(0, nTop, rcClient.right, m_nDrawnRows);
    Repaint(dc);
    if (m_nDrawnRows < rcClient.bottom) {
        const RECT rcRest{0, m_nDrawnRows, rcClient.right, rcClient.bottom};
        ::InvalidateRect(m_hWnd, &rcRest, FALSE);
    }
}

BOOL CSlideShowWnd::IsDrawnWhole()
{
    // A hidden window has nothing of its own to draw into.
    RECT rcClient{};
    GetClientRect(&rcClient);
    return m_nDrawnRows >= rcClient.bottom || !::IsWindowVisible(m_hWnd);
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
    PrepareMissing();
    SetTimer(kShowTimer, m_show.m_nPhase == PHASE_HOLD ? m_program.m_options.m_nHoldSeconds * 1000 : kStepPeriod);
}

void CSlideShowWnd::OnDestroy()
{
    // While the window exists, so that what was posted to it for a job goes with it.
    m_worker.Abandon(m_hWnd);
    if (m_hDisplayNotify != nullptr)
        m_platform.UnregisterDisplayNotification(m_hDisplayNotify);
    m_hDisplayNotify = nullptr;
}

void CSlideShowWnd::OnPictureReady(LPARAM lParam)
{
    std::unique_ptr<PreparedPicture> pPicture = m_worker.Adopt(lParam);
    if (pPicture == nullptr)
        return;
    // Prepared for areas the window no longer has: prepared again.
    if (m_nJobLayout != m_nLayout) {
        PrepareMissing();
        return;
    }
    if (m_bPictureStale && pPicture->m_nPicture == m_pPicture->m_nPicture) {
        m_pPicture = std::move(pPicture);
        m_bPictureStale = FALSE;
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
    } else if (pPicture->m_nPicture == m_nNextPicture && !pPicture->IsDecoded()) {
        SkipUndecodable(pPicture->m_nPicture);
        return;
    } else if (pPicture->m_nPicture == m_nNextPicture) {
        std::fill(m_failed.begin(), m_failed.end(), false);
        m_nFailed = 0;
        m_pNext = std::move(pPicture);
        if (m_bAwaitingNext)
            TakeNextPicture();
    }
    PrepareMissing();
}

void CSlideShowWnd::SkipUndecodable(int nPicture)
{
    if (!m_failed[static_cast<size_t>(nPicture)]) {
        m_failed[static_cast<size_t>(nPicture)] = true;
        ++m_nFailed;
    }
    // None decodes: once the window is black nothing is stepped again, and input still closes it.
    if (m_nFailed >= m_program.m_nPictures) {
        m_nNextPicture = -1;
        if (m_bAwaitingNext)
            KillTimer(kShowTimer);
        return;
    }
    ChooseNext();
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
    m_painter.Forget();
    // The pictures are prepared for the new areas once the display is back.
    if (m_bDisplayOff) {
        m_bLayoutPending = TRUE;
        return;
    }
    PrepareForAreas();
}

void CSlideShowWnd::PrepareForAreas()
{
    // The current picture, if there is one, is black until its new fits are back; the next one
    // is prepared again after it.
    ++m_nLayout;
    const int nPicture = m_pPicture != nullptr ? m_pPicture->m_nPicture : -1;
    m_pPicture = std::make_unique<PreparedPicture>(BlackPicture(nPicture, m_areas));
    m_bPictureStale = nPicture >= 0;
    m_pNext.reset();
    PrepareMissing();
}

void CSlideShowWnd::ChooseNext()
{
    m_nNextPicture = m_order.Next(std::rand);
    m_pNext.reset();
    PrepareMissing();
}

void CSlideShowWnd::PrepareMissing()
{
    if (m_bDisplayOff || m_worker.IsPreparing())
        return;
    const int nFit = m_program.m_options.m_nFit;
    if (m_bPictureStale)
        m_worker.Start(m_hWnd, m_pPicture->m_nPicture, m_areas, nFit, 4, CaptionOf(m_pPicture->m_nPicture));
    else if (m_nNextPicture >= 0 && m_pNext == nullptr)
        // Narrow beside a current picture whose wide copies it will take over (Widen); else wide.
        m_worker.Start(m_hWnd, m_nNextPicture, m_areas, nFit, m_pPicture && m_pPicture->HasWideCopies() ? 3 : 4,
                       CaptionOf(m_nNextPicture));
    m_nJobLayout = m_nLayout;
}

PictureCaption CSlideShowWnd::CaptionOf(int nPicture)
{
    return PictureCaption{LoadCaption(nullptr, static_cast<UINT>(IDR_PICTURE1 + nPicture)),
                          static_cast<int>(GetWindowDpi(m_hWnd))};
}

void CSlideShowWnd::TakeNextPicture()
{
    m_bAwaitingNext = m_pNext == nullptr;
    // The old picture's bitmaps go at once; a late one leaves the window black meanwhile.
    if (m_bAwaitingNext) {
        m_pPicture = std::make_unique<PreparedPicture>(BlackPicture(-1, m_areas));
        m_bPictureStale = FALSE;
        if (m_nNextPicture < 0)
            KillTimer(kShowTimer);
        return;
    }
    if (m_pPicture != nullptr)
        m_pNext->Widen(*m_pPicture);
    m_pPicture = std::move(m_pNext);
    m_bPictureStale = FALSE;
    m_show.m_nPicture = m_pPicture->m_nPicture;
    m_nNextPicture = -1;
}

void CSlideShowWnd::Repaint(HDC hDC)
{
    if (hDC == nullptr)
        return;
    m_painter.ForgetOutside();
    CDC dc(hDC);
    DrawFrame(dc, m_show, TRUE);
}

void CSlideShowWnd::DrawFrame(CDC& dc, const ShowState& frame, BOOL bRepaint)
{
    RECT rcClient{};
    GetClientRect(&rcClient);
    m_painter.Draw(dc, frame, bRepaint, ShowScene{m_areas, m_pPicture.get(), SIZE{rcClient.right, rcClient.bottom}});
}
