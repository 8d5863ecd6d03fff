#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>

class CInstallOperations;

// The record that the progress dialog shares with the worker thread. The worker writes its
// result before it clears m_bRunning (release); the dialog reads m_bRunning (acquire) before
// the result, so a cleared flag always comes with the final result.
class CInstallWorker
{
public:
    explicit CInstallWorker(CInstallOperations& operations) : m_operations(operations) {}
    virtual ~CInstallWorker() = default;

    // Writes every file of the script, then the registration; always 0.
    int Run();

    // The worker's last access to the record.
    void Finish(int32_t nResult);

    std::atomic<int32_t> m_nProgress{0};
    std::atomic<int32_t> m_nResult{0};
    std::atomic<int32_t> m_bRunning{1};

private:
    // The install's outcome; every file it replaced is back in place unless it succeeded.
    int Install();

    CInstallOperations& m_operations;
};

// The worker thread's entry; pParam is the CInstallWorker.
DWORD WINAPI InstallThreadProc(LPVOID pParam);
