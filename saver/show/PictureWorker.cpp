#include "PictureWorker.h"

#include "ComApartment.h"
#include "ScopedHandle.h"
#include "SystemSide.h"

#include <atomic>

namespace {

enum JobState
{
    JOB_RUNNING,
    JOB_DONE,       // the thread is done with it: the window frees it
    JOB_ABANDONED,  // the window has let go of it: the thread frees it
};

}  // namespace

struct PictureJob
{
    unsigned m_nGeneration;
    HWND m_hWnd;
    UINT m_nMessage;
    int m_nPicture;
    std::vector<ShowArea> m_areas;
    int m_nFit;
    int m_nBytesPerPixel;
    PictureDecoder m_pfnDecode;
    PictureCaption m_caption;
    PreparedPicture m_result;
    // Whoever moves it away from JOB_RUNNING second frees the job (acquire-release either way).
    std::atomic<int> m_nState{JOB_RUNNING};
};

// What the window and its thread share: each holds a reference, the last to let go frees it.
struct WorkerLine
{
    std::atomic<int> m_nRefs{2};
    CKernelHandle m_hWake;
    std::atomic<PictureJob*> m_pHanded{nullptr};
    std::atomic<bool> m_bStopping{false};

    void Release()
    {
        if (m_nRefs.fetch_sub(1, std::memory_order_acq_rel) == 1)
            delete this;
    }
};

namespace {

void RunJob(PictureJob* pJob)
{
    // No exception may leave the thread; without memory the picture is black for its turn.
    try {
        pJob->m_result = PreparePicture(pJob->m_nPicture, pJob->m_areas, pJob->m_nFit, pJob->m_nBytesPerPixel,
                                        pJob->m_pfnDecode, pJob->m_caption);
    } catch (...) {
        pJob->m_result = PreparedPicture{};
    }
    pJob->m_result.m_nPicture = pJob->m_nPicture;
    const HWND hWnd = pJob->m_hWnd;
    const UINT nMessage = pJob->m_nMessage;
    const LPARAM nId = pJob->m_nGeneration;
    if (pJob->m_nState.exchange(JOB_DONE, std::memory_order_acq_rel) == JOB_ABANDONED) {
        delete pJob;
        return;
    }
    // A message that cannot be posted, or comes after Abandon, finds no job to adopt.
    SidePostMessage(hWnd, nMessage, 0, nId);
}

DWORD WINAPI ServeJobs(LPVOID pParam)
{
    WorkerLine* pLine = static_cast<WorkerLine*>(pParam);
    {
        // Held for the thread's life, so that the decoder's own entry into the apartment does
        // not set COM up and tear it down again for every picture.
        const CComApartment apartment;
        for (;;) {
            ::WaitForSingleObject(pLine->m_hWake.Get(), INFINITE);
            if (pLine->m_bStopping.load(std::memory_order_acquire))
                break;
            if (PictureJob* pJob = pLine->m_pHanded.exchange(nullptr, std::memory_order_acq_rel))
                RunJob(pJob);
        }
    }
    pLine->Release();
    return 0;
}

}  // namespace

CPictureWorker::CPictureWorker(UINT nMessage, PictureDecoder pfnDecode) : m_nMessage(nMessage), m_pfnDecode(pfnDecode)
{
}

CPictureWorker::~CPictureWorker()
{
    LetGoOfJob();
    LetGoOfThread();
}

BOOL CPictureWorker::Start(HWND hWnd, int nPicture, const std::vector<ShowArea>& areas, int nFit, int nBytesPerPixel,
                           const PictureCaption& caption)
{
    if (m_pJob || (m_pLine == nullptr && !StartThread()))
        return FALSE;
    // Ids never repeat within a show, and 0 is none.
    if (++m_nGeneration == 0)
        ++m_nGeneration;
    m_pJob = new PictureJob{m_nGeneration, hWnd,           m_nMessage,  nPicture, areas,
                            nFit,          nBytesPerPixel, m_pfnDecode, caption,  {}};
    m_pLine->m_pHanded.store(m_pJob, std::memory_order_release);
    ::SetEvent(m_pLine->m_hWake.Get());
    return TRUE;
}

BOOL CPictureWorker::StartThread()
{
    WorkerLine* pLine = new WorkerLine;
    pLine->m_hWake.Reset(::CreateEventA(nullptr, FALSE, FALSE, nullptr));
    DWORD nThreadId = 0;
    // Nobody joins the thread: its handle goes at once.
    const CKernelHandle hThread(pLine->m_hWake ? ::CreateThread(nullptr, 0, ServeJobs, pLine, 0, &nThreadId) : nullptr);
    if (!hThread) {
        delete pLine;
        return FALSE;
    }
    m_pLine = pLine;
    return TRUE;
}

std::unique_ptr<PreparedPicture> CPictureWorker::Adopt(LPARAM lParam)
{
    if (!m_pJob || lParam != static_cast<LPARAM>(m_pJob->m_nGeneration) ||
        m_pJob->m_nState.load(std::memory_order_acquire) != JOB_DONE)
        return nullptr;
    auto pPicture = std::make_unique<PreparedPicture>(std::move(m_pJob->m_result));
    delete m_pJob;
    m_pJob = nullptr;
    return pPicture;
}

void CPictureWorker::Abandon(HWND hWnd)
{
    LetGoOfJob();
    LetGoOfThread();
    MSG msg;
    while (SidePeekMessage(&msg, hWnd, m_nMessage, m_nMessage, PM_REMOVE)) {
    }
}

void CPictureWorker::LetGoOfJob()
{
    if (m_pJob == nullptr)
        return;
    // Not taken yet: it never runs. Else the thread has it, and frees it unless it is done.
    if (m_pLine->m_pHanded.exchange(nullptr, std::memory_order_acq_rel) == m_pJob ||
        m_pJob->m_nState.exchange(JOB_ABANDONED, std::memory_order_acq_rel) == JOB_DONE)
        delete m_pJob;
    m_pJob = nullptr;
}

void CPictureWorker::LetGoOfThread()
{
    if (m_pLine == nullptr)
        return;
    m_pLine->m_bStopping.store(true, std::memory_order_release);
    ::SetEvent(m_pLine->m_hWake.Get());
    m_pLine->Release();
    m_pLine = nullptr;
}
