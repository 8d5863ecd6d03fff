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

bool SameState(const ShowState& a, const ShowState& b)
{
    return a.m_nPhase == b.m_nPhase && a.m_nStep == b.m_nStep && a.m_nPicture == b.m_nPicture &&
           a.m_wPattern == b.m_wPattern;
}

// Runs the window's messages until its timer has taken a step, within a deadline.
bool TakesAStep(CTestSlideShow* pShow)
{
    const ShowState before = pShow->m_show;
    const DWORD nDeadline = GetTickCount() + 5000;
    while (SameState(pShow->m_show, before) && GetTickCount() < nDeadline) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        PumpMessages();
    }
    return !SameState(pShow->m_show, before);
}

}  // namespace

TEST(SlideShowPower, TheShowRestsWhileTheDisplayIsOffAndGoesOnWhereItStood)
{
    CSaverPlatformFake platform;
    CTestSlideShow* pShow = CreateHiddenShow(320, 240, NoPicture, &platform);
    ASSERT_NE(pShow, nullptr);
    const HWND hWnd = pShow->m_hWnd;
    EXPECT_EQ(platform.m_hRegistered, hWnd);

    // Dimmed is still seen: the show goes on.
    EXPECT_EQ(SendDisplayState(hWnd, 2), TRUE);
    EXPECT_TRUE(TakesAStep(pShow));

    // Off: no timer is left, and a step already queued takes none.
    pShow->m_show.m_nPhase = PHASE_DISSOLVE;
    pShow->m_show.m_nStep = 5;
    const ShowState stood = pShow->m_show;
    EXPECT_EQ(SendDisplayState(hWnd, 0), TRUE);
    EXPECT_FALSE(KillTimer(hWnd, 1));
    pShow->OnTimer(1);
    PumpMessages();
    EXPECT_TRUE(SameState(pShow->m_show, stood));

    // On: the next step follows the one it stood at.
    EXPECT_EQ(SendDisplayState(hWnd, 1), TRUE);
    EXPECT_TRUE(SameState(pShow->m_show, stood));
    EXPECT_TRUE(TakesAStep(pShow));
    EXPECT_EQ(pShow->m_show.m_nPhase, PHASE_DISSOLVE);
    EXPECT_EQ(pShow->m_show.m_nStep, 6);

    DestroyWindow(hWnd);
    EXPECT_EQ(platform.m_unregistered, std::vector<HPOWERNOTIFY>{platform.m_hNotify});
}
