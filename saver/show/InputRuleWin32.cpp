// The input rules restate the platform's numbers so that they build without it; here each is
// held to the platform's own name.
#include "InputRule.h"

#include <windows.h>

static_assert(SaverMessage::kClose == WM_CLOSE && SaverMessage::kShowWindow == WM_SHOWWINDOW &&
              SaverMessage::kActivateApp == WM_ACTIVATEAPP && SaverMessage::kKeyDown == WM_KEYDOWN &&
              SaverMessage::kSysKeyDown == WM_SYSKEYDOWN && SaverMessage::kSysCommand == WM_SYSCOMMAND &&
              SaverMessage::kMouseMove == WM_MOUSEMOVE && SaverMessage::kLButtonDown == WM_LBUTTONDOWN &&
              SaverMessage::kRButtonDown == WM_RBUTTONDOWN && SaverMessage::kMButtonDown == WM_MBUTTONDOWN);

static_assert(SysCommand::kNextWindow == SC_NEXTWINDOW && SysCommand::kPrevWindow == SC_PREVWINDOW &&
              SysCommand::kScreenSave == SC_SCREENSAVE);
