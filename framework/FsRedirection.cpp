#include "FsRedirection.h"

#include "SystemLibrary.h"

namespace {

// kernel32 is in every process: looking its entries up loads no library.
template <typename PFN>
PFN Kernel32Proc(const char* pszName)
{
    return GetModuleProc<PFN>(::GetModuleHandleA("kernel32.dll"), pszName);
}

}  // namespace

bool IsRunningUnderWow64()
{
    using PFNISWOW64PROCESS = BOOL(WINAPI*)(HANDLE, PBOOL);
    static const auto pfnIsWow64 = Kernel32Proc<PFNISWOW64PROCESS>("IsWow64Process");
    BOOL bWow64 = FALSE;
    return pfnIsWow64 && pfnIsWow64(::GetCurrentProcess(), &bWow64) && bWow64;
}

CFsRedirectionGuard::CFsRedirectionGuard()
{
    if (!IsRunningUnderWow64())
        return;
    using PFNDISABLE = BOOL(WINAPI*)(PVOID*);
    const auto pfnDisable = Kernel32Proc<PFNDISABLE>("Wow64DisableWow64FsRedirection");
    m_bDisabled = pfnDisable && pfnDisable(&m_pOldValue);
    m_bNative = m_bDisabled;
}

CFsRedirectionGuard::~CFsRedirectionGuard()
{
    if (!m_bDisabled)
        return;
    using PFNREVERT = BOOL(WINAPI*)(PVOID);
    const auto pfnRevert = Kernel32Proc<PFNREVERT>("Wow64RevertWow64FsRedirection");
    if (pfnRevert)
        pfnRevert(m_pOldValue);
}
