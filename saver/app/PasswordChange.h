#pragma once

#include <windows.h>

// The window that owns the platform's password change: the one the command line names, or the
// foreground window when that number names none.
HWND PasswordChangeOwner(HWND hNamed);

// The platform's password change (MPR.DLL from the system directory only), owned as above.
void ChangePassword(HWND hNamed);
