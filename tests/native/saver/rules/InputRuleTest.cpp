// Owning tier: native. Which input ends the saver, and what the window does with the rest.
#include "InputRule.h"

#include <gtest/gtest.h>

namespace {

constexpr SaverPoint kOrigin{100, 200};

InputAction Saver(uint32_t nMessage, uintptr_t wParam = 0, bool bWin9x = false)
{
    return DecideInputAction(nMessage, wParam, false, bWin9x, kOrigin, kOrigin);
}

InputAction MovedTo(int x, int y)
{
    return DecideInputAction(SaverMessage::kMouseMove, 0, false, false, kOrigin, SaverPoint{x, y});
}

}  // namespace

TEST(InputRule, InputPostsACloseRequestWithoutDefaultProcessing)
{
    using namespace SaverMessage;
    for (uint32_t nMessage : {kLButtonDown, kMButtonDown, kRButtonDown, kKeyDown, kSysKeyDown}) {
        SCOPED_TRACE(nMessage);
        EXPECT_EQ(Saver(nMessage), ACTION_POST_CLOSE);
        EXPECT_EQ(Saver(nMessage, 0x79, true), ACTION_POST_CLOSE);
    }
    // Releases, the wheel, characters and double clicks are left alone.
    for (uint32_t nMessage : {0x0202u, 0x0205u, 0x0208u, 0x020Au, 0x0102u, 0x0203u, 0x0020u, 0x0014u})
        EXPECT_EQ(Saver(nMessage), ACTION_DEFAULT);
}

TEST(InputRule, CloseAsksThePasswordOnlyOnThe9xFamily)
{
    EXPECT_EQ(Saver(SaverMessage::kClose, 0, false), ACTION_DEFAULT);
    EXPECT_EQ(Saver(SaverMessage::kClose, 0, true), ACTION_VERIFY_PASSWORD);
}

TEST(InputRule, DeactivationClosesActivationDoesNot)
{
    EXPECT_EQ(Saver(SaverMessage::kActivateApp, 0), ACTION_POST_CLOSE_AND_DEFAULT);
    EXPECT_EQ(Saver(SaverMessage::kActivateApp, 1), ACTION_DEFAULT);
}

TEST(InputRule, SystemCommandsThatLeaveTheSaverAreSwallowed)
{
    EXPECT_EQ(Saver(SaverMessage::kSysCommand, 0xF040), ACTION_SWALLOW);
    EXPECT_EQ(Saver(SaverMessage::kSysCommand, 0xF050), ACTION_SWALLOW);
    EXPECT_EQ(Saver(SaverMessage::kSysCommand, 0xF14F), ACTION_SWALLOW);   // low bits masked
    EXPECT_EQ(Saver(SaverMessage::kSysCommand, 0xF060), ACTION_DEFAULT);   // SC_CLOSE
    EXPECT_EQ(Saver(SaverMessage::kSysCommand, 0xF100), ACTION_DEFAULT);   // SC_KEYMENU
    EXPECT_EQ(Saver(SaverMessage::kSysCommand, 0x1F042), ACTION_SWALLOW);  // only the mask counts
}

TEST(InputRule, ShowingHidesTheCursorHidingDoesNothing)
{
    EXPECT_EQ(Saver(SaverMessage::kShowWindow, 1), ACTION_HIDE_CURSOR);
    EXPECT_EQ(Saver(SaverMessage::kShowWindow, 0), ACTION_SWALLOW);
}

TEST(InputRule, MouseThresholdIsTheSumOfDistances)
{
    EXPECT_EQ(MovedTo(100, 200), ACTION_SWALLOW);
    EXPECT_EQ(MovedTo(103, 201), ACTION_SWALLOW);  // d = 4
    EXPECT_EQ(MovedTo(104, 201), ACTION_POST_CLOSE);
    EXPECT_EQ(MovedTo(103, 202), ACTION_POST_CLOSE);  // d = 5, straight line 3.6
    EXPECT_EQ(MovedTo(96, 200), ACTION_SWALLOW);
    EXPECT_EQ(MovedTo(100, 195), ACTION_POST_CLOSE);
    EXPECT_EQ(DecideInputAction(SaverMessage::kMouseMove, 0, false, false, SaverPoint{INT32_MIN, INT32_MIN},
                                SaverPoint{INT32_MAX, INT32_MAX}),
              ACTION_POST_CLOSE);
}

TEST(InputRule, PreviewLeavesEverythingToDefaultProcessing)
{
    using namespace SaverMessage;
    for (uint32_t nMessage : {kClose, kActivateApp, kLButtonDown, kMButtonDown, kRButtonDown, kKeyDown, kSysKeyDown,
                              kSysCommand, kShowWindow, kMouseMove}) {
        SCOPED_TRACE(nMessage);
        EXPECT_EQ(DecideInputAction(nMessage, 0xF140, true, true, kOrigin, SaverPoint{900, 900}), ACTION_DEFAULT);
        EXPECT_EQ(DecideInputAction(nMessage, 0, true, false, kOrigin, SaverPoint{900, 900}), ACTION_DEFAULT);
    }
}
