#include "Wnd.h"

#include "ExceptionReport.h"
#include "Monitors.h"
#include "WinApp.h"

#include <cwchar>

namespace {

// The object whose window CreateEx is making, until WM_NCCREATE binds it.
thread_local CWnd* t_pCreating = nullptr;

}  // namespace

CWnd::~CWnd()
{
    // A window must not outlive its object with a pointer to it.
    if (m_bBound && m_hWnd)
        DestroyWindow(m_hWnd);
}

// GWLP_USERDATA holds the object's address whole on either width.
static_assert(sizeof(LONG_PTR) == sizeof(CWnd*), "window data narrower than a pointer");

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    return reinterpret_cast<CWnd*>(SideGetWindowLongPtr(hWnd, GWLP_USERDATA));
}

void CWnd::Bind(HWND hWnd)
{
    m_hWnd = hWnd;
    m_bBound = true;
    m_bDestroyed = false;
    SideSetWindowLongPtr(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void CWnd::Subclass(HWND hWnd)
{
    m_hWnd = hWnd;
    m_bDestroyed = false;
    // Without the subclass no message reaches the object: it stays a view of the window.
    m_bBound = m_subclass.Install(hWnd, &CWnd::SubclassProcStatic, reinterpret_cast<DWORD_PTR>(this));
}

void CWnd::Unbind()
{
    if (m_subclass.IsInstalled())
        m_subclass.Remove();
    else if (m_bBound)
        SideSetWindowLongPtr(m_hWnd, GWLP_USERDATA, 0);
    m_bBound = false;
    m_bDestroyed = true;
    if (CWinApp* pApp = AfxGetApp())
        pApp->OnWindowDestroyed(this);
}

void CWnd::Release()
{
    m_hWnd = nullptr;
    try {
        PostNcDestroy();
    } catch (...) {
        ReportSwallowedException(L"CWnd::PostNcDestroy");
    }
}

LRESULT CALLBACK CWnd::WindowProcStatic(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg == WM_NCCREATE) {
        CWnd* pCreating = static_cast<CWnd*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        if (pCreating)
            pCreating->Bind(hWnd);
        if (pCreating == t_pCreating)
            t_pCreating = nullptr;
    }
    CWnd* pWnd = FromHandlePermanent(hWnd);
    return pWnd ? pWnd->Dispatch(nMsg, wParam, lParam) : SideDefWindowProc(hWnd, nMsg, wParam, lParam);
}

LRESULT CALLBACK CWnd::SubclassProcStatic(HWND, UINT nMsg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR dwRefData)
{
    return reinterpret_cast<CWnd*>(dwRefData)->Dispatch(nMsg, wParam, lParam);
}

LRESULT CWnd::Dispatch(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    // Handlers may send messages to their own window: Default() must see the current one.
    const MSG msgOuter = m_msgCurrent;
    m_msgCurrent = MSG{m_hWnd, nMsg, wParam, lParam, 0, {0, 0}};
    ++m_nDispatchDepth;
    // No exception may unwind through the platform's frames: a handler that throws leaves
    // its message handled with result 0.
    LRESULT lResult = 0;
    try {
        lResult = WindowProc(nMsg, wParam, lParam);
    } catch (...) {
        ReportSwallowedException(L"CWnd::WindowProc");
        // 0 would tell the platform that a half-made window was created (WM_NCCREATE's 0
        // refuses already).
        if (nMsg == WM_CREATE)
            lResult = -1;
    }
    m_msgCurrent = msgOuter;
    if (nMsg == WM_NCDESTROY)
        Unbind();
    // The object may be deleted here: nothing after this line may touch it.
    if (--m_nDispatchDepth == 0 && m_bDestroyed)
        Release();
    return lResult;
}

LRESULT CWnd::Default()
{
    const MSG& msg = m_msgCurrent;
    return m_subclass.IsInstalled() ? m_subclass.Default(msg.message, msg.wParam, msg.lParam)
                                    : SideDefWindowProc(m_hWnd, msg.message, msg.wParam, msg.lParam);
}

LRESULT CWnd::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    switch (nMsg) {
    case WM_COMMAND:
        return OnCommand(wParam, lParam) ? 0 : Default();
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_SYSCOMMAND:
        OnSysCommand(static_cast<UINT>(wParam), lParam);
        return 0;
    case WM_QUERYDRAGICON:
        return reinterpret_cast<LRESULT>(OnQueryDragIcon());
    case WM_DPICHANGED:
        OnDpiChanged(LOWORD(wParam), reinterpret_cast<const RECT*>(lParam));
        return 0;
    default:
        return Default();
    }
}

BOOL CWnd::OnCommand(WPARAM, LPARAM)
{
    return FALSE;
}

void CWnd::OnTimer(UINT_PTR)
{
    Default();
}

void CWnd::OnPaint()
{
    Default();
}

void CWnd::OnSysCommand(UINT, LPARAM)
{
    Default();
}

HCURSOR CWnd::OnQueryDragIcon()
{
    return reinterpret_cast<HCURSOR>(Default());
}

void CWnd::OnDpiChanged(UINT, const RECT*)
{
    Default();
}

void CWnd::PostNcDestroy() {}

void CWnd::CenterWindow()
{
    RECT rcWindow;
    GetWindowRect(m_hWnd, &rcWindow);
    const RECT rcArea = MonitorWorkArea(m_hWnd);

    RECT rcCentre = rcArea;
    const HWND hOwner = GetWindow(m_hWnd, GW_OWNER);
    if (hOwner && IsWindowVisible(hOwner) && !::IsIconic(hOwner))
        GetWindowRect(hOwner, &rcCentre);

    const LONG nWidth = rcWindow.right - rcWindow.left;
    const LONG nHeight = rcWindow.bottom - rcWindow.top;
    LONG x = (rcCentre.left + rcCentre.right - nWidth) / 2;
    LONG y = (rcCentre.top + rcCentre.bottom - nHeight) / 2;
    // Keep the caption reachable when the owner stands near an edge.
    x = x + nWidth > rcArea.right ? rcArea.right - nWidth : x;
    y = y + nHeight > rcArea.bottom ? rcArea.bottom - nHeight : y;
    x = x < rcArea.left ? rcArea.left : x;
    y = y < rcArea.top ? rcArea.top : y;
    SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND CWnd::GetSafeOwner()
{
    const CWinApp* pApp = AfxGetApp();
    const HWND hMain = pApp && pApp->m_pMainWnd ? pApp->m_pMainWnd->m_hWnd : nullptr;
    return hMain ? GetLastActivePopup(hMain) : GetActiveWindow();
}

BOOL CWnd::CreateEx(DWORD dwExStyle, const std::wstring& strClassName, LPCWSTR pszWindowName, DWORD dwStyle,
                    const RECT& rect, HWND hWndParent, UINT_PTR nId)
{
    t_pCreating = this;
    const HWND hWnd = SideCreateWindowEx(dwExStyle, strClassName.c_str(), pszWindowName, dwStyle, rect, hWndParent,
                                         reinterpret_cast<HMENU>(nId), GetModuleHandleA(nullptr), this);
    // A window that was bound and then failed went through WM_NCDESTROY already (and this
    // object may be gone); one that never got that far is released here alike.
    const bool bNeverBound = t_pCreating == this;
    t_pCreating = nullptr;
    if (hWnd)
        return TRUE;
    if (bNeverBound) {
        Unbind();
        Release();
    }
    return FALSE;
}

std::wstring AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hBrush, HICON hIcon)
{
    wchar_t szName[96];
    swprintf(szName, sizeof szName / sizeof szName[0], L"OrvWnd:%x:%p:%p:%p", nClassStyle, static_cast<void*>(hCursor),
             static_cast<void*>(hBrush), static_cast<void*>(hIcon));
    const HINSTANCE hInstance = GetModuleHandleA(nullptr);
    if (!SideIsClassRegistered(hInstance, szName)) {
        WNDCLASSW wc{};
        wc.style = nClassStyle;
        wc.lpfnWndProc = &CWnd::WindowProcStatic;
        wc.hInstance = hInstance;
        wc.hIcon = hIcon;
        wc.hCursor = hCursor;
        wc.hbrBackground = hBrush;
        wc.lpszClassName = szName;
        SideRegisterClass(wc);
    }
    return szName;
}
