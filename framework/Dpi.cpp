#include "Dpi.h"

#include "Gdi.h"
#include "SystemLibrary.h"

namespace {

// The DPI functions came with later systems: they are bound at run time, and each caller
// falls back where they are missing.
using PFNGETDPIFORWINDOW = UINT(WINAPI*)(HWND);
using PFNGETWINDOWDPIAWARENESSCONTEXT = DPI_AWARENESS_CONTEXT(WINAPI*)(HWND);
using PFNSETTHREADDPIAWARENESSCONTEXT = DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT);

PFNSETTHREADDPIAWARENESSCONTEXT SetThreadAwareness()
{
    return GetLinkedProc<PFNSETTHREADDPIAWARENESSCONTEXT>("user32.dll", "SetThreadDpiAwarenessContext");
}

}  // namespace

UINT GetWindowDpi(HWND hWnd)
{
    const auto pfnGetDpiForWindow = GetLinkedProc<PFNGETDPIFORWINDOW>("user32.dll", "GetDpiForWindow");
    const UINT nDpi = pfnGetDpiForWindow ? pfnGetDpiForWindow(hWnd) : 0;
    if (nDpi != 0)
        return nDpi;
    const CClientDC dc(hWnd);
    return static_cast<UINT>(GetDeviceCaps(dc, LOGPIXELSX));
}

CThreadDpiAwareness::CThreadDpiAwareness(HWND hWndLike)
{
    const auto pfnGetWindowAwareness =
        GetLinkedProc<PFNGETWINDOWDPIAWARENESSCONTEXT>("user32.dll", "GetWindowDpiAwarenessContext");
    const PFNSETTHREADDPIAWARENESSCONTEXT pfnSetThreadAwareness = SetThreadAwareness();
    if (!pfnGetWindowAwareness || !pfnSetThreadAwareness)
        return;
    const DPI_AWARENESS_CONTEXT context = pfnGetWindowAwareness(hWndLike);
    if (context)
        m_contextSaved = pfnSetThreadAwareness(context);
}

CThreadDpiAwareness::~CThreadDpiAwareness()
{
    if (m_contextSaved)
        SetThreadAwareness()(m_contextSaved);
}
