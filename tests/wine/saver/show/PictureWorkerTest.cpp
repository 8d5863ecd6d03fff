// Owning tier: in-process under Wine. The show's picture jobs: a message that another program
// posts in the form of the worker's own is never taken for a job.
#include "JpegResource.h"
#include "PictureWorker.h"
#include "ShowOptions.h"

#include <gtest/gtest.h>

TEST(PictureWorker, AStrayMessageIsNeverTakenForAJob)
{
    const HWND hWnd = CreateWindowExW(0, L"STATIC", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_NE(hWnd, nullptr);
    CPictureWorker worker(WM_APP, LoadJpegResource);
    ASSERT_TRUE(worker.Start(hWnd, 0, {{0, 0, 152, 112}}, FIT_FIT, 4));
    // What the worker posts, with a would-be job of the sender's choosing: an address, and a
    // small number such as an id, ahead of the job's own message.
    for (const LPARAM nWild : {LPARAM(0x12345670), LPARAM(1), LPARAM(2)})
        PostMessageW(hWnd, WM_APP, 0, nWild);
    std::unique_ptr<PreparedPicture> pPicture;
    const DWORD nStart = GetTickCount();
    MSG msg;
    while (pPicture == nullptr && GetTickCount() - nStart < 20000) {
        if (PeekMessageW(&msg, hWnd, WM_APP, WM_APP, PM_REMOVE))
            pPicture = worker.Adopt(msg.lParam);
        else
            Sleep(10);
    }
    ASSERT_NE(pPicture, nullptr) << "the worker's own job still arrives";
    EXPECT_TRUE(pPicture->IsDecoded());
    worker.Abandon(hWnd);
    DestroyWindow(hWnd);
}
