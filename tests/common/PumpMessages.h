#pragma once

#include <windows.h>

// Dispatches every message waiting for this thread, without blocking.
inline void PumpMessages()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&msg);
}
