#pragma once

#include <windows.h>

// The DPI the window is drawn at: its monitor's for a per-monitor aware window, else the
// system's. Systems without DPI per window give the system's.
UINT GetWindowDpi(HWND hWnd);

// While it lives, this thread creates and measures windows in the DPI awareness of another
// window, so that a child fits a parent of another awareness; the thread's own comes back
// after. Does nothing where the system has no awareness per thread.
class CThreadDpiAwareness
{
public:
    explicit CThreadDpiAwareness(HWND hWndLike);
    ~CThreadDpiAwareness();
    CThreadDpiAwareness(const CThreadDpiAwareness&) = delete;
    CThreadDpiAwareness& operator=(const CThreadDpiAwareness&) = delete;

private:
    DPI_AWARENESS_CONTEXT m_contextSaved = nullptr;
};
