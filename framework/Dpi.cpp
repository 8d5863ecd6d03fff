#include "Dpi.h"

#include "Gdi.h"
#include "SystemLibrary.h"

namespace {

// The DPI functions came with later systems: they are bound at run time, and each caller
// falls back where they are missing.
const CLibrary& User32()
{
    static const CLibrary s_library = LoadSystemLibrary("USER32.DLL");
    return s_library;
}

using PFNGETDPIFORWINDOW = UINT(WINAPI*)(HWND);
using PFNGETWINDOWDPIAWARENESSCONTEXT = DPI_AWARENESS_CONTEXT(WINAPI*)(HWND);
using PFNSETTHREADDPIAWARENESSCONTEXT = DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT);

PFNSETTHREADDPIAWARENESSCONTEXT SetThreadAwareness()
{
    static const auto s_pfn = GetLibraryProc<PFNSETTHREADDPIAWARENESSCONTEXT>(User32(), "SetThreadDpiAwarenessContext");
    return s_pfn;
}

}  // namespace

UINT GetWindowDpi(HWND hWnd)
{
    static const auto s_pfnGetDpiForWindow = GetLibraryProc<PFNGETDPIFORWINDOW>(User32(), "GetDpiForWindow");
    const UINT nDpi = s_pfnGetDpiForWindow ? s_pfnGetDpiForWindow(hWnd) : 0;
    if (nDpi != 0)
        return nDpi;
    const CClientDC dc(hWnd);
    return static_cast<UINT>(GetDeviceCaps(dc, LOGPIXELSX));
}

CThreadDpiAwareness::CThreadDpiAwareness(HWND hWndLike)
{
    static const auto s_pfnGetWindowAwareness =
        GetLibraryProc<PFNGETWINDOWDPIAWARENESSCONTEXT>(User32(), "GetWindowDpiAwarenessContext");
    const PFNSETTHREADDPIAWARENESSCONTEXT pfnSetThreadAwareness = SetThreadAwareness();
    if (!s_pfnGetWindowAwareness || !pfnSetThreadAwareness)
        return;
    const DPI_AWARENESS_CONTEXT context = s_pfnGetWindowAwareness(hWndLike);
    if (context)
        m_contextSaved = pfnSetThreadAwareness(context);
}

CThreadDpiAwareness::~CThreadDpiAwareness()
{
    if (m_contextSaved)
        SetThreadAwareness()(m_contextSaved);
}
