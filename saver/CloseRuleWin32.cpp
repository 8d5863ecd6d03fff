// The close rules restate the platform's numbers so that they build without it; here each is
// held to the platform's own name.
#include "CloseRule.h"

#include <windows.h>

static_assert(SaverMessage::kClose == WM_CLOSE);
static_assert(SaverMessage::kShowWindow == WM_SHOWWINDOW);
static_assert(SaverMessage::kActivateApp == WM_ACTIVATEAPP);
static_assert(SaverMessage::kKeyDown == WM_KEYDOWN);
static_assert(SaverMessage::kSysKeyDown == WM_SYSKEYDOWN);
static_assert(SaverMessage::kSysCommand == WM_SYSCOMMAND);
static_assert(SaverMessage::kMouseMove == WM_MOUSEMOVE);
static_assert(SaverMessage::kLButtonDown == WM_LBUTTONDOWN);
static_assert(SaverMessage::kRButtonDown == WM_RBUTTONDOWN);
static_assert(SaverMessage::kMButtonDown == WM_MBUTTONDOWN);

static_assert(SaverCommand::kNextWindow == SC_NEXTWINDOW);
static_assert(SaverCommand::kPrevWindow == SC_PREVWINDOW);
static_assert(SaverCommand::kScreenSave == SC_SCREENSAVE);
