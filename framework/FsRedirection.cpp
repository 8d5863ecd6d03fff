#include "FsRedirection.h"

#include "SystemInfo.h"
#include "SystemLibrary.h"

CFsRedirectionGuard::CFsRedirectionGuard()
{
    if (!IsRunningUnderWow64())
        return;
    using PFNDISABLE = BOOL(WINAPI*)(PVOID*);
    const auto pfnDisable = GetKernel32Proc<PFNDISABLE>("Wow64DisableWow64FsRedirection");
    m_bDisabled = pfnDisable && pfnDisable(&m_pOldValue);
    m_bNative = m_bDisabled;
}

CFsRedirectionGuard::~CFsRedirectionGuard()
{
    if (!m_bDisabled)
        return;
    using PFNREVERT = BOOL(WINAPI*)(PVOID);
    const auto pfnRevert = GetKernel32Proc<PFNREVERT>("Wow64RevertWow64FsRedirection");
    if (pfnRevert)
        pfnRevert(m_pOldValue);
}
