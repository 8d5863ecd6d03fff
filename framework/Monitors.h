#pragma once

#include <windows.h>

#include <vector>

// The multiple-monitor calls came with Windows 98 and 2000: they are bound at run time, and
// where they are missing there is one monitor, the primary screen.

// The rectangle that every monitor together makes, whose origin may be negative.
RECT VirtualScreenRect();

// Every monitor's rectangle in virtual-screen coordinates.
std::vector<RECT> EnumMonitorRects();

// The work area of the window's monitor (the primary one when it is on none).
RECT MonitorWorkArea(HWND hWnd);
