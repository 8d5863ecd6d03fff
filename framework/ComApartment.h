#pragma once

#include <windows.h>

// The calling thread's single-threaded apartment while the object lives, entered through
// CoInitializeEx where ole32 has it (not on Windows 95 without DCOM), else CoInitialize, which
// makes the same apartment; left again only when this object was the one to enter it.
class CComApartment
{
public:
    CComApartment();
    ~CComApartment();
    CComApartment(const CComApartment&) = delete;
    CComApartment& operator=(const CComApartment&) = delete;

private:
    bool m_bEntered;
};
