#pragma once

#include "ScopedHandle.h"

#include <windows.h>

// The named mutex that keeps installs, uninstalls and the uninstaller's cleanup copy from
// running at once, across sessions where the platform has them.
class CInstallerLock
{
public:
    // Waits up to nTimeout ms for the other holder to end or let go.
    explicit CInstallerLock(DWORD nTimeout);
    ~CInstallerLock();
    CInstallerLock(const CInstallerLock&) = delete;
    CInstallerLock& operator=(const CInstallerLock&) = delete;

    bool IsHeld() const { return m_bHeld; }

private:
    CKernelHandle m_mutex;
    bool m_bHeld = false;
};
