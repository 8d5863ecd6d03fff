#include "Monitors.h"

#include "SystemLibrary.h"
#include "SystemSide.h"

namespace {

BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT pRect, LPARAM lParam)
{
    reinterpret_cast<std::vector<RECT>*>(lParam)->push_back(*pRect);
    return TRUE;
}

RECT PrimaryScreenRect()
{
    return RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

}  // namespace

RECT VirtualScreenRect()
{
    // A system without the multiple-monitor metrics answers 0 for them.
    const int nWidth = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int nHeight = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    if (nWidth <= 0 || nHeight <= 0)
        return PrimaryScreenRect();
    const int x = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int y = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return RECT{x, y, x + nWidth, y + nHeight};
}

std::vector<RECT> EnumMonitorRects()
{
    using PFNENUMDISPLAYMONITORS = BOOL(WINAPI*)(HDC, LPCRECT, MONITORENUMPROC, LPARAM);
    const auto pfnEnum = GetLinkedProc<PFNENUMDISPLAYMONITORS>("user32.dll", "EnumDisplayMonitors");
    std::vector<RECT> monitors;
    if (pfnEnum)
        pfnEnum(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    else
        monitors.push_back(PrimaryScreenRect());
    return monitors;
}

RECT MonitorWorkArea(HWND hWnd)
{
    using PFNMONITORFROMWINDOW = HMONITOR(WINAPI*)(HWND, DWORD);
    using PFNGETMONITORINFO = BOOL(WINAPI*)(HMONITOR, LPMONITORINFO);
    const auto pfnFromWindow = GetLinkedProc<PFNMONITORFROMWINDOW>("user32.dll", "MonitorFromWindow");
    // 98 has only the A form; without text in a plain MONITORINFO the two are the same.
    const auto pfnGetInfo =
        GetLinkedProc<PFNGETMONITORINFO>("user32.dll", UsesAnsiCalls() ? "GetMonitorInfoA" : "GetMonitorInfoW");
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (pfnFromWindow && pfnGetInfo && pfnGetInfo(pfnFromWindow(hWnd, MONITOR_DEFAULTTOPRIMARY), &monitor))
        return monitor.rcWork;
    RECT rcWork = PrimaryScreenRect();
    SideSystemParametersInfo(SPI_GETWORKAREA, 0, &rcWork, 0);
    return rcWork;
}
