#pragma once

#include "Menu.h"
#include "SystemSide.h"
#include "WindowSubclass.h"

#include <windows.h>

#include <string>

// A window object bound to its window. Windows of our own classes find their object through
// GWLP_USERDATA in WindowProcStatic; an existing window (a dialog) is bound through a
// subclass. Either way every message passes through Dispatch to WindowProc, whose switch hands
// it to a named virtual handler; a derived class overrides the handler, or WindowProc itself
// for a message the switch does not know. A CWnd made from a bare handle (GetDlgItem, a window
// of another program) is a view: it is never bound, reads nothing of the window's and
// destroys nothing.
//
// A handler may destroy its own window, and PostNcDestroy may delete the object: the final
// release waits until the outermost message of the window has been handled, so no enclosing
// handler's frame ever touches a deleted object.
class CWnd
{
public:
    CWnd() = default;
    explicit CWnd(HWND hWnd) : m_hWnd(hWnd) {}
    CWnd(const CWnd& other) : m_hWnd(other.m_hWnd) {}
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd();

    CWnd GetDlgItem(int nId) const { return CWnd(::GetDlgItem(m_hWnd, nId)); }
    BOOL EnableWindow(BOOL bEnable = TRUE) { return ::EnableWindow(m_hWnd, bEnable); }
    void SetWindowText(const std::wstring& strText) { SideSetWindowText(m_hWnd, strText); }
    LRESULT SendMessage(UINT nMsg, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return SideSendMessage(m_hWnd, nMsg, wParam, lParam);
    }
    CMenu GetSystemMenu(BOOL bRevert) const { return CMenu(::GetSystemMenu(m_hWnd, bRevert)); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    void GetClientRect(RECT* pRect) const { ::GetClientRect(m_hWnd, pRect); }
    UINT_PTR SetTimer(UINT_PTR nIdEvent, UINT nElapse) { return ::SetTimer(m_hWnd, nIdEvent, nElapse, nullptr); }
    BOOL KillTimer(UINT_PTR nIdEvent) { return ::KillTimer(m_hWnd, nIdEvent); }
    BOOL PostMessage(UINT nMsg, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return SidePostMessage(m_hWnd, nMsg, wParam, lParam);
    }
    BOOL ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }

    // Creates this object's window in a class registered by AfxRegisterWndClass. The object
    // handles WM_CREATE before this returns. On failure PostNcDestroy has run once, so a heap
    // object is gone, and the object is no longer the main window.
    BOOL CreateEx(DWORD dwExStyle, const std::wstring& strClassName, LPCWSTR pszWindowName, DWORD dwStyle,
                  const RECT& rect, HWND hWndParent, UINT_PTR nId);

    // Centres the window on its owner when that is visible and not minimised, else on the
    // work area of its monitor.
    void CenterWindow();

    // The window that a new modal dialog or message box without a parent belongs to: the
    // main window's last active popup; without a main window, this thread's active window.
    static HWND GetSafeOwner();

    HWND m_hWnd = nullptr;

protected:
    virtual LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam);

    // Default processing of the message being handled: the window procedure that the window
    // had before it was bound (DefWindowProc for windows we create).
    LRESULT Default();

    // TRUE when the command was handled; otherwise it gets default processing.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual void OnTimer(UINT_PTR nIdEvent);
    virtual void OnPaint();
    virtual void OnSysCommand(UINT nId, LPARAM lParam);
    virtual HCURSOR OnQueryDragIcon();
    // The window's monitor changed its scale, or the window moved to one of another scale;
    // pSuggested is the platform's rectangle for the window at nDpi, null when none came.
    virtual void OnDpiChanged(UINT nDpi, const RECT* pSuggested);

    // Called once the window's last message and every message around it have been handled,
    // with the object unbound: a window object allocated on the heap deletes itself here.
    virtual void PostNcDestroy();

    // The window procedure for window classes of ours. WM_NCCREATE binds the object passed as
    // the creation parameter (CreateWindowEx's lpParam).
    static LRESULT CALLBACK WindowProcStatic(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);

    // Binds this object to an existing window through a subclass (dialogs); the subclass goes
    // again at WM_NCDESTROY.
    void Subclass(HWND hWnd);

private:
    friend std::wstring AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hBrush, HICON hIcon);

    static LRESULT CALLBACK SubclassProcStatic(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam, UINT_PTR nId,
                                               DWORD_PTR dwRefData);
    // Only for windows of our own classes, whose GWLP_USERDATA is ours.
    static CWnd* FromHandlePermanent(HWND hWnd);
    void Bind(HWND hWnd);
    void Unbind();
    void Release();
    LRESULT Dispatch(UINT nMsg, WPARAM wParam, LPARAM lParam);

    bool m_bBound = false;
    CWindowSubclass m_subclass;
    // Set at WM_NCDESTROY; the release then waits for the outermost Dispatch of this object.
    bool m_bDestroyed = false;
    int m_nDispatchDepth = 0;
    MSG m_msgCurrent{};
};

// Registers (once) a window class of ours with the given style, cursor, brush and icon, all
// optional, and returns its name.
std::wstring AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr, HBRUSH hBrush = nullptr,
                                 HICON hIcon = nullptr);
