#include "InstallWorker.h"

#include "InstallRules.h"
#include "InstallerApp.h"

int CInstallWorker::Run()
{
    CInstallerApp* pApp = GetInstallerApp();
    const std::vector<FileEntry>& files = pApp->m_script.m_files;
    for (size_t i = 0; i < files.size(); ++i) {
        const int nResult = pApp->ExtractFile(files[i]);
        if (nResult != 0) {
            Finish(nResult);
            return 0;
        }
        m_nProgress.store(ProgressPosition(i, files.size()), std::memory_order_relaxed);
    }
    m_nProgress.store(kProgressComplete, std::memory_order_relaxed);
    int nResult = pApp->RegisterScreenSaver();
    if (nResult == 0)
        nResult = pApp->RegisterUninstall();
    Finish(nResult);
    return 0;
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
