#include "PasswordChange.h"

#include "SystemLibrary.h"

HWND PasswordChangeOwner(HWND hNamed)
{
    return hNamed && IsWindow(hNamed) ? hNamed : GetForegroundWindow();
}

void ChangePassword(HWND hNamed)
{
    using PFNPWDCHANGEPASSWORD = DWORD(WINAPI*)(LPCSTR, HWND, DWORD, LPVOID);
    const CLibrary library = LoadSystemLibrary("MPR.DLL");
    const auto pfnChange = GetLibraryProc<PFNPWDCHANGEPASSWORD>(library, "PwdChangePasswordA");
    if (pfnChange)
        pfnChange("SCRSAVE", PasswordChangeOwner(hNamed), 0, nullptr);
}
