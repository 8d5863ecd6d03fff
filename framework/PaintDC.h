#pragma once

#include "Wnd.h"

#include <windows.h>

// The device context of one WM_PAINT: BeginPaint on construction, EndPaint on every path.
class CPaintDC
{
public:
    explicit CPaintDC(CWnd* pWnd)
        : m_hWnd(pWnd->m_hWnd)
        , m_hDC(BeginPaint(m_hWnd, &m_ps))
    {
    }
    ~CPaintDC() { EndPaint(m_hWnd, &m_ps); }
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

private:
    HWND m_hWnd;
    PAINTSTRUCT m_ps{};

public:
    HDC m_hDC;
};
