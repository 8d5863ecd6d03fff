#include "ComApartment.h"

#include "SystemLibrary.h"

#include <objbase.h>

HRESULT EnterComApartment()
{
    using PFNCOINITIALIZEEX = HRESULT(WINAPI*)(LPVOID, DWORD);
    const auto pfnInitEx = GetLinkedProc<PFNCOINITIALIZEEX>("ole32.dll", "CoInitializeEx");
    return pfnInitEx ? pfnInitEx(nullptr, COINIT_APARTMENTTHREADED) : CoInitialize(nullptr);
}

CComApartment::~CComApartment()
{
    if (m_bEntered)
        CoUninitialize();
}
