// Owning tier: in-process under Wine. The show's answer to the display's power broadcasts, sent
// as the platform sends them, and its registration for them (which states count as off is the
// native tier's).
#include "PumpMessages.h"
#include "TestSlideShow.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

namespace {

LRESULT SendDisplayState(HWND hWnd, DWORD nState)
{
    // The state follows the header, in place of its one-byte array.
    const POWERBROADCAST_SETTING setting{kMonitorPowerOn, sizeof nState, {}};
    BYTE buffer[sizeof setting + sizeof nState] = {};
    std::memcpy(buffer, &setting, sizeof setting);
    std::memcpy(buffer + offsetof(POWERBROADCAST_SETTING, Data), &nState, sizeof nState);
    return SendMessageW(hWnd, WM_POWERBROADCAST, PBT_POWERSETTINGCHANGE, reinterpret_cast<LPARAM>(buffer));
}

constexpr int kWidth = 320;
constexpr int kHeight = 240;

// Where the repaint shows the left edge of the first picture as it slides in.
int SlideLeft(HWND hWnd)
{
    CDibTarget target(kWidth, kHeight);
    target.Fill(0);
    PrintClient(hWnd, target.m_dc);
    int x = 0;
    while (x < kWidth && target.At(x, kHeight / 2) != PictureColour(0))
        ++x;
    return x;
}

// Runs the window's messages until its timer has taken a step, within a deadline.
bool TakesAStep(HWND hWnd)
{
    const int nBefore = SlideLeft(hWnd);
    const DWORD nDeadline = GetTickCount() + 5000;
    while (SlideLeft(hWnd) == nBefore && GetTickCount() < nDeadline) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        PumpMessages();
    }
    return SlideLeft(hWnd) != nBefore;
}

// The slide step after the one that puts the picture's left edge at x.
int NextSlideLeft(int x)
{
    const ShowGeometry g = ComputeGeometry(kWidth, kHeight, 1024, 768);
    int nStep = 0;
    while (nStep < kSlideLastStep && ComputeSlideLeft(g, kWidth, nStep) != x)
        ++nStep;
    return ComputeSlideLeft(g, kWidth, nStep + 1);
}

}  // namespace

TEST(SlideShowPower, TheShowRestsWhileTheDisplayIsOffAndGoesOnWhereItStood)
{
    CSaverPlatformFake platform;
    CSlideShowWnd* pShow = CreateHiddenShow(kWidth, kHeight, ColourPicture, &platform);
    ASSERT_NE(pShow, nullptr);
    const HWND hWnd = pShow->m_hWnd;
    EXPECT_EQ(platform.m_hRegistered, hWnd);
    // Some way into the first picture's slide, where each step moves it.
    SendTimerSteps(hWnd, kDissolveLastStep + 1 + 3);

    // Dimmed is still seen: the show goes on.
    EXPECT_EQ(SendDisplayState(hWnd, 2), TRUE);
    EXPECT_TRUE(TakesAStep(hWnd));

    // Off: no timer is left, and a step already queued takes none.
    EXPECT_EQ(SendDisplayState(hWnd, 0), TRUE);
    const int nStood = SlideLeft(hWnd);
    EXPECT_FALSE(KillTimer(hWnd, 1));
    SendTimerSteps(hWnd, 1);
    PumpMessages();
    EXPECT_EQ(SlideLeft(hWnd), nStood);

    // On: the next step follows the one it stood at.
    EXPECT_EQ(SendDisplayState(hWnd, 1), TRUE);
    EXPECT_EQ(SlideLeft(hWnd), nStood);
    EXPECT_TRUE(TakesAStep(hWnd));
    EXPECT_EQ(SlideLeft(hWnd), NextSlideLeft(nStood));

    DestroyWindow(hWnd);
    EXPECT_EQ(platform.m_unregistered, std::vector<HPOWERNOTIFY>{platform.m_hNotify});
}
