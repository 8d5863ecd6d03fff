#pragma once

#include <windows.h>

// Under WOW64 the system directory's name leads a 32-bit program to the 32-bit copy, while the
// 64-bit desktop looks for what is registered there in the native one. For the guard's
// lifetime this thread's file operations see the native directory. Library loads would see it
// too, so a guard encloses file calls only. Elsewhere (64-bit programs, 32-bit Windows) it does
// nothing. The operation that names installed paths to the file system holds it for its whole
// extent; the file helpers below such an operation never take it themselves.
class CFsRedirectionGuard
{
public:
    CFsRedirectionGuard();
    ~CFsRedirectionGuard();

    CFsRedirectionGuard(const CFsRedirectionGuard&) = delete;
    CFsRedirectionGuard& operator=(const CFsRedirectionGuard&) = delete;

    // False when WOW64 refused to show the native directory: a file written now would not be
    // where its path says.
    bool SeesNativeFiles() const { return m_bNative; }

private:
    PVOID m_pOldValue = nullptr;
    bool m_bDisabled = false;
    bool m_bNative = true;
};
