#include "SaverWnd.h"

#include "InputRule.h"
#include "SystemLibrary.h"

namespace {

// Keeps the input method from opening over the show; not every system's user32 exports it.
void DisableInputMethod(HWND hWnd)
{
    using PFNWINNLSENABLEIME = BOOL(WINAPI*)(HWND, BOOL);
    if (const auto pfnEnable = GetLinkedProc<PFNWINNLSENABLEIME>("user32.dll", "WINNLSEnableIME"))
        pfnEnable(hWnd, FALSE);
}

SaverPoint ToSaverPoint(POINT pt)
{
    return SaverPoint{pt.x, pt.y};
}

POINT CursorNow()
{
    POINT pt{};
    ::GetCursorPos(&pt);
    return pt;
}

}  // namespace

CSaverWnd::CSaverWnd(CSaverPlatform& platform) : m_platform(platform), m_bWin9x(platform.IsWin9x()) {}

CSaverWnd::~CSaverWnd()
{
    SetScreenSaverRunning(FALSE);
}

LRESULT CSaverWnd::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    switch (nMsg) {
    case WM_CREATE:
        return OnCreate(reinterpret_cast<LPCREATESTRUCTW>(lParam));
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_ACTIVATEAPP:
    case WM_LBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_SHOWWINDOW:
    case WM_MOUSEMOVE:
        return OnInput(nMsg, wParam);
    default:
        return CWnd::WindowProc(nMsg, wParam, lParam);
    }
}

int CSaverWnd::OnCreate(LPCREATESTRUCTW)
{
    if (Default() == -1)
        return -1;
    if (!m_bPreview && ::GetParent(m_hWnd) != nullptr)
        m_bPreview = TRUE;
    if (!m_bPreview)
        DisableInputMethod(m_hWnd);
    if (QueryUsePassword() != 0)
        SetScreenSaverRunning(TRUE);
    m_ptCursor = CursorNow();
    if (!m_bPreview)
        ::SetCursor(nullptr);
    return 0;
}

void CSaverWnd::OnClose()
{
    if (DecideInputAction(WM_CLOSE, 0, m_bPreview, m_bWin9x, {}, {}) != ACTION_VERIFY_PASSWORD || VerifyPassword()) {
        Default();
        return;
    }
    m_ptCursor = CursorNow();
}

void CSaverWnd::OnDestroy()
{
    ShowWindow(SW_HIDE);
    Default();
}

void CSaverWnd::OnSysCommand(UINT nId, LPARAM)
{
    if (DecideInputAction(WM_SYSCOMMAND, nId, m_bPreview, m_bWin9x, {}, {}) == ACTION_DEFAULT)
        Default();
}

LRESULT CSaverWnd::OnInput(UINT nMsg, WPARAM wParam)
{
    // Only a movement needs to know where the cursor is; the message's own position is not used.
    const POINT ptNow = nMsg == WM_MOUSEMOVE ? CursorNow() : m_ptCursor;
    switch (DecideInputAction(nMsg, wParam, m_bPreview, m_bWin9x, ToSaverPoint(m_ptCursor), ToSaverPoint(ptNow))) {
    case ACTION_POST_CLOSE:
        PostCloseRequest();
        return 0;
    case ACTION_POST_CLOSE_AND_DEFAULT:
        PostCloseRequest();
        return Default();
    case ACTION_HIDE_CURSOR:
        ::SetCursor(nullptr);
        return 0;
    case ACTION_SWALLOW:
        return 0;
    default:
        return Default();
    }
}

void CSaverWnd::PostNcDestroy()
{
    delete this;
}

void CSaverWnd::PostCloseRequest()
{
    PostMessage(WM_CLOSE);
}

BOOL CSaverWnd::VerifyPassword()
{
    // The service's dialog runs a message loop that brings further close requests here.
    if (m_bVerifying)
        return FALSE;
    m_bVerifying = TRUE;
    const BOOL bVerified = m_platform.VerifyScreenSavePwd(m_hWnd);
    m_bVerifying = FALSE;
    return bVerified;
}

void CSaverWnd::SetScreenSaverRunning(BOOL bRunning)
{
    if (m_bWin9x)
        m_platform.SetScreenSaverRunning(bRunning);
}

DWORD CSaverWnd::QueryUsePassword()
{
    return m_bWin9x ? m_platform.QueryUsePassword() : 0;
}
