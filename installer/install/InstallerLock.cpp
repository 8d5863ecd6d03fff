#include "install/InstallerLock.h"

#include "ProductIdentity.h"

CInstallerLock::CInstallerLock(DWORD nTimeout)
{
    // Systems without session namespaces refuse the prefix: one name serves all there.
    // One lock per product: installers of different products never wait for each other.
    HANDLE hMutex = CreateMutexA(nullptr, FALSE, "Global\\" ORVANTA_PRODUCT_ID "Installer");
    if (!hMutex)
        hMutex = CreateMutexA(nullptr, FALSE, ORVANTA_PRODUCT_ID "Installer");
    m_mutex.Reset(hMutex);
    if (!m_mutex)
        return;
    // An abandoned mutex is a holder that ended: ours now.
    const DWORD nWait = WaitForSingleObject(m_mutex.Get(), nTimeout);
    m_bHeld = nWait == WAIT_OBJECT_0 || nWait == WAIT_ABANDONED;
}

CInstallerLock::~CInstallerLock()
{
    if (m_bHeld)
        ReleaseMutex(m_mutex.Get());
}
