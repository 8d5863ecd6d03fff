#include "PictureWorker.h"

#include "ComApartment.h"
#include "SystemSide.h"

#include <atomic>

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
    PreparedPicture m_result;
    // Set by the thread as its last touch of the job (release); the window reads the result
    // only after seeing it (acquire).
    std::atomic<bool> m_bDone{false};
};

namespace {

void RunJob(PictureJob* pJob)
{
    // No exception may leave the thread; without memory the picture is black for its turn.
    try {
        pJob->m_result =
            PreparePicture(pJob->m_nPicture, pJob->m_areas, pJob->m_nFit, pJob->m_nBytesPerPixel, pJob->m_pfnDecode);
    } catch (...) {
        pJob->m_result = PreparedPicture{};
    }
    pJob->m_result.m_nPicture = pJob->m_nPicture;
    const HWND hWnd = pJob->m_hWnd;
    const UINT nMessage = pJob->m_nMessage;
    const LPARAM nId = pJob->m_nGeneration;
    pJob->m_bDone.store(true, std::memory_order_release);
    // A message that cannot be posted leaves the job to Drain.
    SidePostMessage(hWnd, nMessage, 0, nId);
}

}  // namespace

CPictureWorker::CPictureWorker(UINT nMessage, PictureDecoder pfnDecode) : m_nMessage(nMessage), m_pfnDecode(pfnDecode)
{
}

CPictureWorker::~CPictureWorker()
{
    Stop();
}

BOOL CPictureWorker::Start(HWND hWnd, int nPicture, const std::vector<ShowArea>& areas, int nFit, int nBytesPerPixel)
{
    if (m_pJob || (!m_thread.IsStarted() && !StartThread()))
        return FALSE;
    // Ids never repeat within a show, and 0 is none.
    if (++m_nGeneration == 0)
        ++m_nGeneration;
    m_pJob = std::unique_ptr<PictureJob>(
        new PictureJob{m_nGeneration, hWnd, m_nMessage, nPicture, areas, nFit, nBytesPerPixel, m_pfnDecode, {}});
    m_pHanded.store(m_pJob.get(), std::memory_order_release);
    ::SetEvent(m_hWake.Get());
    return TRUE;
}

BOOL CPictureWorker::StartThread()
{
    if (!m_hWake)
        m_hWake.Reset(::CreateEventA(nullptr, FALSE, FALSE, nullptr));
    m_bStopping.store(false, std::memory_order_relaxed);
    return m_hWake && m_thread.Start(ServeJobs, this);
}

DWORD WINAPI CPictureWorker::ServeJobs(LPVOID pParam)
{
    CPictureWorker* pWorker = static_cast<CPictureWorker*>(pParam);
    // Held for the thread's life, so that the decoder's own entry into the apartment does not
    // set COM up and tear it down again for every picture.
    const CComApartment apartment;
    for (;;) {
        ::WaitForSingleObject(pWorker->m_hWake.Get(), INFINITE);
        if (pWorker->m_bStopping.load(std::memory_order_acquire))
            return 0;
        if (PictureJob* pJob = pWorker->m_pHanded.exchange(nullptr, std::memory_order_acquire))
            RunJob(pJob);
    }
}

void CPictureWorker::Stop()
{
    m_bStopping.store(true, std::memory_order_release);
    if (m_hWake)
        ::SetEvent(m_hWake.Get());
    // A job under way is finished first; one not yet taken is never run.
    m_thread.Join();
    m_pHanded.store(nullptr, std::memory_order_relaxed);
}

std::unique_ptr<PreparedPicture> CPictureWorker::Adopt(LPARAM lParam)
{
    if (!m_pJob || lParam != static_cast<LPARAM>(m_pJob->m_nGeneration) ||
        !m_pJob->m_bDone.load(std::memory_order_acquire))
        return nullptr;
    return TakeResult();
}

void CPictureWorker::Drain(HWND hWnd)
{
    Stop();
    m_pJob.reset();
    MSG msg;
    while (SidePeekMessage(&msg, hWnd, m_nMessage, m_nMessage, PM_REMOVE)) {
    }
}

std::unique_ptr<PreparedPicture> CPictureWorker::TakeResult()
{
    auto pPicture = std::make_unique<PreparedPicture>(std::move(m_pJob->m_result));
    m_pJob.reset();
    return pPicture;
}
