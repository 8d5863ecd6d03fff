#pragma once

#include "PreparedPicture.h"

#include <memory>

struct PictureJob;
struct WorkerLine;

// Prepares pictures on a thread of its own, one job at a time: one thread serves every job from
// the first to Abandon, since the platform keeps an ended thread's stack for a while. A job holds
// all it works with; its thread fills it in, marks it done and posts nMessage with the job's id
// in lParam. The window adopts a picture only when that id is the job's and the thread is done
// with it, so a message that anyone else posts is never taken for a job; only then may it start
// another. Nobody ever waits for the thread: a job abandoned under way is finished and freed by
// the thread itself, which then ends, touching nothing of the window's.
class CPictureWorker
{
public:
    CPictureWorker(UINT nMessage, PictureDecoder pfnDecode);
    ~CPictureWorker();
    CPictureWorker(const CPictureWorker&) = delete;
    CPictureWorker& operator=(const CPictureWorker&) = delete;

    // Starts preparing picture nPicture for these areas, fitted or filled (ShowFit), its copies
    // at 3 or 4 bytes a pixel with its caption drawn in, when no job is under way. FALSE when one
    // is, or no thread could be started.
    BOOL Start(HWND hWnd, int nPicture, const std::vector<ShowArea>& areas, int nFit, int nBytesPerPixel,
               const PictureCaption& caption = PictureCaption{});

    // For the window's nMessage: the job's picture if lParam names the job and it is done, else
    // null.
    std::unique_ptr<PreparedPicture> Adopt(LPARAM lParam);

    // Lets go of the job under way and of the thread, which ends once it is done with it, and
    // discards every message posted for a job. Returns at once.
    void Abandon(HWND hWnd);

    BOOL IsPreparing() const { return m_pJob != nullptr; }

private:
    BOOL StartThread();
    void LetGoOfJob();
    void LetGoOfThread();

    UINT m_nMessage;
    PictureDecoder m_pfnDecode;
    unsigned m_nGeneration = 0;
    // The job under way: the window's until the thread takes it, then whichever of the two is
    // the last to let go of it frees it.
    PictureJob* m_pJob = nullptr;
    WorkerLine* m_pLine = nullptr;
};
