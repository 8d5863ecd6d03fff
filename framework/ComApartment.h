#pragma once

#include <windows.h>

// Puts the calling thread into a single-threaded COM apartment: CoInitializeEx where ole32 has
// it (not on Windows 95 without DCOM), else CoInitialize, which makes the same apartment.
// Balanced by CoUninitialize when it succeeds.
HRESULT EnterComApartment();
