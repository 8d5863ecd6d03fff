#pragma once

#include <windows.h>

#include <commctrl.h>

// One subclass of an existing window, through comctl32 where this system has it: by name from
// 5.82 (Windows XP SP1), by ordinal from 4.72 (Windows 98, or Internet Explorer 4.01 on
// Windows 95 and NT 4.0). Where neither is there the window procedure itself is replaced, and
// default processing calls the one it had. Either way pfnProc gets every message.
class CWindowSubclass
{
public:
    CWindowSubclass() = default;
    CWindowSubclass(const CWindowSubclass&) = delete;
    CWindowSubclass& operator=(const CWindowSubclass&) = delete;

    bool Install(HWND hWnd, SUBCLASSPROC pfnProc, DWORD_PTR dwRefData);
    void Remove();
    bool IsInstalled() const { return m_hWnd != nullptr; }
    LRESULT Default(UINT nMsg, WPARAM wParam, LPARAM lParam) const;

private:
    using PFNSETWINDOWSUBCLASS = BOOL(WINAPI*)(HWND, SUBCLASSPROC, UINT_PTR, DWORD_PTR);
    using PFNREMOVEWINDOWSUBCLASS = BOOL(WINAPI*)(HWND, SUBCLASSPROC, UINT_PTR);
    using PFNDEFSUBCLASSPROC = LRESULT(WINAPI*)(HWND, UINT, WPARAM, LPARAM);

    static LRESULT CALLBACK ReplacedProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
    bool BindComctl32();
    bool ReplaceWindowProc();

    HWND m_hWnd = nullptr;
    SUBCLASSPROC m_pfnProc = nullptr;
    DWORD_PTR m_dwRefData = 0;
    PFNREMOVEWINDOWSUBCLASS m_pfnRemove = nullptr;
    PFNDEFSUBCLASSPROC m_pfnDefault = nullptr;
    // Without comctl32's subclassing: the window procedure that ours replaced.
    WNDPROC m_pfnPrevious = nullptr;
};
