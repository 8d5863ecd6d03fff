// Owning tier: in-process under Wine. What needs the show's window, driven through its
// messages: the relayout on a new size or new monitors, the cycle of pictures its timer steps
// run, and its destruction (the pixels of each frame are ShowPainterTest's).
#include "TestSlideShow.h"

#include <gtest/gtest.h>

#include <vector>

TEST(SlideShowWnd, NextDrawFollowsANewClientSize)
{
    CSlideShowWnd* pShow = CreateHiddenShow(800, 600);
    ASSERT_NE(pShow, nullptr);
    SendTimerSteps(pShow->m_hWnd, kStepsToFirstHold);
    SetWindowPos(pShow->m_hWnd, nullptr, 0, 0, 1366, 768, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CDibTarget wide(1366, 768);
    PrintClient(pShow->m_hWnd, wide.m_dc);
    const std::vector<uint32_t> picture = ScaledOnce(1024, 768);
    EXPECT_EQ(wide.At(170, 300), 0u);
    EXPECT_EQ(wide.At(171, 300), picture[300 * 1024]);
    EXPECT_EQ(wide.At(1194, 300), picture[300 * 1024 + 1023]);
    EXPECT_EQ(wide.At(1195, 300), 0u);
    DestroyWindow(pShow->m_hWnd);
}

// A new layout while it runs: the current picture is drawn fitted to the new monitors.
TEST(SlideShowWnd, ADisplayChangeFitsTheCurrentPictureToTheNewMonitors)
{
    CSaverPlatformFake platform;
    platform.m_monitors = {{0, 0, 1024, 700}, {1024, 50, 576, 432}};
    CSlideShowWnd* pShow = CreateHiddenShow(1600, 700, LoadJpegResource, &platform);
    ASSERT_NE(pShow, nullptr);
    SendTimerSteps(pShow->m_hWnd, kStepsToFirstHold);
    const std::vector<ShowArea> moved{{0, 0, 800, 600}, {800, 0, 800, 700}};
    platform.m_monitors = moved;
    SendMessageW(pShow->m_hWnd, WM_DISPLAYCHANGE, 32, MAKELPARAM(1600, 700));
    CDibTarget target(1600, 700);
    const std::vector<uint32_t> before = target.Pixels();
    PrintClient(pShow->m_hWnd, target.m_dc);
    const std::vector<uint32_t> after = target.Pixels();
    EXPECT_EQ(CountWrongInArea(after, 1600, moved[0], 0, 0, 800, before, ScaledOnce(800, 600)), 0);
    EXPECT_EQ(CountWrongInArea(after, 1600, moved[1], 0, 0, 800, before, ScaledOnce(800, 600)), 0);
    DestroyWindow(pShow->m_hWnd);
}

// Back to back, each change of picture waits for a late preparation rather than show another,
// and a picture that does not decode keeps its turn black without stopping the cycle.
TEST(SlideShowWnd, TimerStepsRunTheCycleInPictureOrder)
{
    const PictureDecoder slowDecoder = [](HMODULE hModule, UINT nId) {
        Sleep(150);
        return nId == IDR_PICTURE1 + 2 ? nullptr : ColourPicture(hModule, nId);
    };
    CSlideShowWnd* pShow = CreateHiddenShow(152, 112, slowDecoder);
    ASSERT_NE(pShow, nullptr);
    CDibTarget target(152, 112);
    std::vector<uint32_t> shown;
    // Opening dissolve, then five pictures to their holds.
    SendTimerSteps(pShow->m_hWnd, kStepsToFirstHold);
    for (int i = 0; i < 5; ++i) {
        if (i > 0)
            SendTimerSteps(pShow->m_hWnd, kStepsPerPicture);
        PrintClient(pShow->m_hWnd, target.m_dc);
        shown.push_back(target.At(76, 56));
    }
    EXPECT_EQ(shown, (std::vector<uint32_t>{PictureColour(0), PictureColour(1), 0, PictureColour(3), PictureColour(0)}));
    DestroyWindow(pShow->m_hWnd);
}

// A window destroyed while a picture is being prepared leaves no thread, bitmap or job behind.
TEST(SlideShowWnd, DestroyWhilePreparingLeavesNothingBehind)
{
    const PictureDecoder slowDecoder = [](HMODULE hModule, UINT nId) {
        Sleep(100);
        return LoadJpegResource(hModule, nId);
    };
    DWORD nObjects = 0;
    for (int i = 0; i < 4; ++i) {
        CSlideShowWnd* pShow = CreateHiddenShow(640, 480, slowDecoder);
        ASSERT_NE(pShow, nullptr);
        DestroyWindow(pShow->m_hWnd);
        MSG msg;
        EXPECT_FALSE(PeekMessageW(&msg, nullptr, WM_APP, WM_APP, PM_NOREMOVE));
        const DWORD nNow = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
        if (i > 0) {
            EXPECT_EQ(nNow, nObjects) << i;
        }
        nObjects = nNow;
    }
}
