#include "PictureWorker.h"

#include "ComApartment.h"
#include "SystemSide.h"

#include <objbase.h>

namespace {

struct PictureJob
{
    unsigned m_nGeneration;
    HWND m_hWnd;
    UINT m_nMessage;
    int m_nPicture;
    std::vector<ShowArea> m_areas;
    PictureDecoder m_pfnDecode;
    PreparedPicture m_result;
};

DWORD WINAPI RunJob(LPVOID pParam)
{
    PictureJob* pJob = static_cast<PictureJob*>(pParam);
    // The decoder is a COM object; this thread's apartment is its own.
    const HRESULT hr = EnterComApartment();
    // No exception may leave the thread; without memory the picture is black for its turn.
    try {
        pJob->m_result = PreparePicture(pJob->m_nPicture, pJob->m_areas, pJob->m_pfnDecode);
    } catch (...) {
        pJob->m_result.m_scaled.clear();
        pJob->m_result.m_sizePicture = SIZE{};
    }
    pJob->m_result.m_nPicture = pJob->m_nPicture;
    if (SUCCEEDED(hr))
        ::CoUninitialize();
    if (!SidePostMessage(pJob->m_hWnd, pJob->m_nMessage, 0, reinterpret_cast<LPARAM>(pJob)))
        delete pJob;
    return 0;
}

}  // namespace

CPictureWorker::~CPictureWorker()
{
    Join();
}

BOOL CPictureWorker::Start(HWND hWnd, int nPicture, const std::vector<ShowArea>& areas)
{
    Join();
    ++m_nGeneration;
    m_bOutstanding = FALSE;
    auto pJob = new PictureJob{m_nGeneration, hWnd, m_nMessage, nPicture, areas, m_pfnDecode, {}};
    m_hThread.Reset(::CreateThread(nullptr, 0, RunJob, pJob, 0, nullptr));
    if (!m_hThread) {
        delete pJob;
        return FALSE;
    }
    m_bOutstanding = TRUE;
    return TRUE;
}

std::unique_ptr<PreparedPicture> CPictureWorker::Adopt(LPARAM lParam)
{
    const std::unique_ptr<PictureJob> pJob(reinterpret_cast<PictureJob*>(lParam));
    if (pJob == nullptr || !m_bOutstanding || pJob->m_nGeneration != m_nGeneration)
        return nullptr;
    m_bOutstanding = FALSE;
    return std::make_unique<PreparedPicture>(std::move(pJob->m_result));
}

std::unique_ptr<PreparedPicture> CPictureWorker::Wait(HWND hWnd)
{
    if (!m_bOutstanding)
        return nullptr;
    // The thread posts its job before it ends: once it has ended, the job is in the queue.
    Join();
    MSG msg;
    while (SidePeekMessage(&msg, hWnd, m_nMessage, m_nMessage, PM_REMOVE)) {
        std::unique_ptr<PreparedPicture> pPicture = Adopt(msg.lParam);
        if (pPicture != nullptr)
            return pPicture;
    }
    m_bOutstanding = FALSE;
    return nullptr;
}

void CPictureWorker::Drain(HWND hWnd)
{
    ++m_nGeneration;
    m_bOutstanding = FALSE;
    Join();
    MSG msg;
    while (SidePeekMessage(&msg, hWnd, m_nMessage, m_nMessage, PM_REMOVE))
        Adopt(msg.lParam);
}

void CPictureWorker::Join()
{
    if (m_hThread)
        ::WaitForSingleObject(m_hThread.Get(), INFINITE);
    m_hThread.Reset();
}
