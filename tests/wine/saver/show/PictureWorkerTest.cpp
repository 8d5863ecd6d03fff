// Owning tier: in-process under Wine. The show's picture jobs: a message that another program
// posts in the form of the show's own is never taken for a job.
#include "JpegResource.h"
#include "PumpMessages.h"
#include "TestSlideShow.h"

#include <gtest/gtest.h>

TEST(PictureWorker, AStrayMessageIsNeverTakenForAJob)
{
    CTestSlideShow* pShow = CreateHiddenShow(152, 112);
    ASSERT_NE(pShow, nullptr);
    // What the show's worker posts, with a would-be job of the sender's choosing: an address,
    // and a small number such as an id.
    for (const LPARAM nWild : {LPARAM(0x12345670), LPARAM(1), LPARAM(2)})
        PostMessageW(pShow->m_hWnd, WM_APP, 0, nWild);
    const DWORD nStart = GetTickCount();
    while (pShow->m_pNext == nullptr && GetTickCount() - nStart < 20000) {
        PumpMessages();
        Sleep(10);
    }
    ASSERT_NE(pShow->m_pNext, nullptr) << "the show's own job still arrives";
    EXPECT_TRUE(pShow->m_pNext->IsDecoded());
    DestroyWindow(pShow->m_hWnd);
}
