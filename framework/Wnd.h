#pragma once

#include "Menu.h"

#include <windows.h>

#include <string>

// A window object bound to its window through GWLP_USERDATA. One window procedure,
// WindowProcStatic, finds the object and calls WindowProc, whose switch hands each message to
// a named virtual handler; a derived class overrides the handler, or WindowProc itself for a
// message the switch does not know. A CWnd made from a bare handle (GetDlgItem) is a view:
// it is never bound and destroys nothing.
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
    void SetWindowText(const std::wstring& strText) { SetWindowTextW(m_hWnd, strText.c_str()); }
    LRESULT SendMessage(UINT nMsg, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return SendMessageW(m_hWnd, nMsg, wParam, lParam);
    }
    CMenu GetSystemMenu(BOOL bRevert) const { return CMenu(::GetSystemMenu(m_hWnd, bRevert)); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    void GetClientRect(RECT* pRect) const { ::GetClientRect(m_hWnd, pRect); }
    UINT_PTR SetTimer(UINT_PTR nIdEvent, UINT nElapse) { return ::SetTimer(m_hWnd, nIdEvent, nElapse, nullptr); }
    BOOL KillTimer(UINT_PTR nIdEvent) { return ::KillTimer(m_hWnd, nIdEvent); }
    BOOL PostMessage(UINT nMsg, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return PostMessageW(m_hWnd, nMsg, wParam, lParam);
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
    // had before it was bound (DefWindowProcW for windows we create).
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

    // Called after the window's last message, with the object already unbound: a window
    // object allocated on the heap deletes itself here.
    virtual void PostNcDestroy();

    // The window procedure for window classes of ours. WM_NCCREATE binds the object passed as
    // the creation parameter (CreateWindowExW's lpParam).
    static LRESULT CALLBACK WindowProcStatic(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);

    // Binds this object to an existing window by replacing its window procedure (dialogs).
    void Subclass(HWND hWnd);

private:
    friend std::wstring AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hBrush, HICON hIcon);

    static CWnd* FromHandlePermanent(HWND hWnd);
    void Bind(HWND hWnd, WNDPROC pfnSuper);
    void Unbind();
    LRESULT Dispatch(UINT nMsg, WPARAM wParam, LPARAM lParam);

    WNDPROC m_pfnSuper = DefWindowProcW;
    MSG m_msgCurrent{};
};

// Registers (once) a window class of ours with the given style, cursor, brush and icon, all
// optional, and returns its name.
std::wstring AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr, HBRUSH hBrush = nullptr,
                                 HICON hIcon = nullptr);
