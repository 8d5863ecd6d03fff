#include "install/InstallWorker.h"

#include "install/InstallOperations.h"
#include "install/ReplacedFiles.h"
#include "rules/InstallProgress.h"

int CInstallWorker::Run()
{
    Finish(Install());
    return 0;
}

int CInstallWorker::Install()
{
    if (m_operations.NamesTakenByAnother())
        return kInstallRefused;
    CReplacedFiles replaced;
    const std::vector<FileEntry>& files = m_operations.Files();
    for (size_t i = 0; i < files.size(); ++i) {
        const int nResult = m_operations.ExtractFile(files[i], replaced);
        if (nResult != 0)
            return nResult;
        m_nProgress.store(ProgressPosition(i, files.size()), std::memory_order_relaxed);
    }
    m_nProgress.store(kProgressComplete, std::memory_order_relaxed);
    // The entry first: a failure there leaves the desktop's setting as it was, and a saver is
    // never named without a way to uninstall it.
    int nResult = m_operations.RegisterUninstall();
    if (nResult == 0)
        nResult = m_operations.RegisterScreenSaver();
    // Until the saver is named, the files it replaced stay beside it, to be put back.
    if (nResult == 0)
        replaced.Keep();
    return nResult;
}

void CInstallWorker::Finish(int32_t nResult)
{
    m_nResult.store(nResult, std::memory_order_relaxed);
    m_bRunning.store(0, std::memory_order_release);
}

DWORD WINAPI InstallThreadProc(LPVOID pParam)
{
    CInstallWorker* pWorker = static_cast<CInstallWorker*>(pParam);
    try {
        return static_cast<DWORD>(pWorker->Run());
    } catch (...) {
        // Out of memory in the middle of a file: the dialog must still learn that it failed.
        pWorker->Finish(1);
        return 0;
    }
}
