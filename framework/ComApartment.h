#pragma once

#include <windows.h>

// Puts the calling thread into a single-threaded COM apartment: CoInitializeEx where ole32 has
// it (not on Windows 95 without DCOM), else CoInitialize, which makes the same apartment.
// Balanced by CoUninitialize when it succeeds.
HRESULT EnterComApartment();

// The calling thread's single-threaded apartment while the object lives; left again only when
// this object was the one to enter it.
class CComApartment
{
public:
    CComApartment() : m_bEntered(SUCCEEDED(EnterComApartment())) {}
    ~CComApartment();
    CComApartment(const CComApartment&) = delete;
    CComApartment& operator=(const CComApartment&) = delete;

private:
    bool m_bEntered;
};
