#pragma once

#include "PreparedPicture.h"
#include "Thread.h"

#include <atomic>
#include <memory>

struct PictureJob;

// Prepares pictures on a thread of its own, one job at a time: one thread serves every job from
// the first to Drain, since the platform keeps an ended thread's stack for a while. The worker
// owns the job; its thread fills the job in, marks it done and posts nMessage with the job's id
// in lParam. The window adopts a picture only when that id is the job's and the thread is done
// with it, so a message that anyone else posts is never taken for a job; only then may it start
// another, so that it never waits for the thread. The window must drain the worker while it
// still exists (WM_DESTROY).
class CPictureWorker
{
public:
    CPictureWorker(UINT nMessage, PictureDecoder pfnDecode);
    ~CPictureWorker();

    // Starts preparing picture nPicture for these areas, fitted or filled (ShowFit), its copies
    // at 3 or 4 bytes a pixel, when no job is under way. FALSE when one is, or no thread could be
    // started.
    BOOL Start(HWND hWnd, int nPicture, const std::vector<ShowArea>& areas, int nFit, int nBytesPerPixel);

    // For the window's nMessage: the job's picture if lParam names the job and it is done, else
    // null.
    std::unique_ptr<PreparedPicture> Adopt(LPARAM lParam);

    // Lets the running job finish, forgets it and discards every message posted for a job.
    void Drain(HWND hWnd);

    BOOL IsPreparing() const { return m_pJob != nullptr; }

private:
    BOOL StartThread();
    static DWORD WINAPI ServeJobs(LPVOID pParam);
    // Ends the thread once the job under way, if any, is done.
    void Stop();
    std::unique_ptr<PreparedPicture> TakeResult();

    UINT m_nMessage;
    PictureDecoder m_pfnDecode;
    unsigned m_nGeneration = 0;
    std::unique_ptr<PictureJob> m_pJob;
    // The thread's side: the job handed to it, and what wakes it for a job or to stop.
    std::atomic<PictureJob*> m_pHanded{nullptr};
    std::atomic<bool> m_bStopping{false};
    CKernelHandle m_hWake;
    CThread m_thread;
};
