#include "PictureWorker.h"

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
    PictureDecoder m_pfnDecode;
    PreparedPicture m_result;
    // Set by the thread as its last touch of the job (release); the window reads the result
    // only after seeing it (acquire).
    std::atomic<bool> m_bDone{false};
};

namespace {

DWORD WINAPI RunJob(LPVOID pParam)
{
    PictureJob* pJob = static_cast<PictureJob*>(pParam);
    // No exception may leave the thread; without memory the picture is black for its turn.
    try {
        pJob->m_result = PreparePicture(pJob->m_nPicture, pJob->m_areas, pJob->m_nFit, pJob->m_pfnDecode);
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
    return 0;
}

}  // namespace

CPictureWorker::CPictureWorker(UINT nMessage, PictureDecoder pfnDecode) : m_nMessage(nMessage), m_pfnDecode(pfnDecode)
{
}

CPictureWorker::~CPictureWorker() = default;

BOOL CPictureWorker::Start(HWND hWnd, int nPicture, const std::vector<ShowArea>& areas, int nFit)
{
    if (m_pJob)
        return FALSE;
    // The last job's thread has posted its message as its last act: its end is at hand.
    m_thread.Join();
    // Ids never repeat within a show, and 0 is none.
    if (++m_nGeneration == 0)
        ++m_nGeneration;
    auto pJob = std::unique_ptr<PictureJob>(
        new PictureJob{m_nGeneration, hWnd, m_nMessage, nPicture, areas, nFit, m_pfnDecode, {}});
    if (!m_thread.Start(RunJob, pJob.get()))
        return FALSE;
    m_pJob = std::move(pJob);
    return TRUE;
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
    m_thread.Join();
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
