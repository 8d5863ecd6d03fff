#pragma once

#include "PreparedPicture.h"
#include "ScopedHandle.h"

#include <memory>

// Prepares pictures on a thread of its own. Each job is a heap object that the thread owns
// until it posts it to the window as nMessage (its address in lParam); from then on the
// window's thread owns it and adopts it only if it is still the latest job started. The
// window must drain the worker while it still exists (WM_DESTROY).
class CPictureWorker
{
public:
    CPictureWorker(UINT nMessage, PictureDecoder pfnDecode) : m_nMessage(nMessage), m_pfnDecode(pfnDecode) {}
    ~CPictureWorker();
    CPictureWorker(const CPictureWorker&) = delete;
    CPictureWorker& operator=(const CPictureWorker&) = delete;

    // Starts preparing picture nPicture for these areas; a job already under way is left to
    // finish, unadopted. FALSE when no thread could be started.
    BOOL Start(HWND hWnd, int nPicture, const std::vector<ShowArea>& areas);

    // For the window's nMessage: the job's picture if it is the latest one started, else null.
    // Either way the job is gone afterwards.
    std::unique_ptr<PreparedPicture> Adopt(LPARAM lParam);

    // Blocks until the latest job has come back and adopts it: null when none was under way
    // or it could not be posted.
    std::unique_ptr<PreparedPicture> Wait(HWND hWnd);

    // Lets the running job finish and discards every job posted to hWnd and not yet adopted.
    void Drain(HWND hWnd);

    BOOL IsPreparing() const { return m_bOutstanding; }

private:
    void Join();

    UINT m_nMessage;
    PictureDecoder m_pfnDecode;
    unsigned m_nGeneration = 0;
    BOOL m_bOutstanding = FALSE;
    CKernelHandle m_hThread;
};
