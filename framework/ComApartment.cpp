#include "ComApartment.h"

#include "SystemLibrary.h"

#include <objbase.h>

namespace {

HRESULT EnterComApartment()
{
    using PFNCOINITIALIZEEX = HRESULT(WINAPI*)(LPVOID, DWORD);
    const auto pfnInitEx = GetLinkedProc<PFNCOINITIALIZEEX>("ole32.dll", "CoInitializeEx");
    return pfnInitEx ? pfnInitEx(nullptr, COINIT_APARTMENTTHREADED) : CoInitialize(nullptr);
}

}  // namespace

CComApartment::CComApartment() : m_bEntered(SUCCEEDED(EnterComApartment())) {}

CComApartment::~CComApartment()
{
    if (m_bEntered)
        CoUninitialize();
}
