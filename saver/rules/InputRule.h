#pragma once

#include <cstdint>

// Which input ends the saver, and what the window does with the rest: free of the platform.
// Message and command numbers are the platform's; InputRuleWin32.cpp checks each against its
// platform name.
namespace SaverMessage {
constexpr uint32_t kClose = 0x0010;
constexpr uint32_t kShowWindow = 0x0018;
constexpr uint32_t kActivateApp = 0x001C;
constexpr uint32_t kKeyDown = 0x0100;
constexpr uint32_t kSysKeyDown = 0x0104;
constexpr uint32_t kSysCommand = 0x0112;
constexpr uint32_t kMouseMove = 0x0200;
constexpr uint32_t kLButtonDown = 0x0201;
constexpr uint32_t kRButtonDown = 0x0204;
constexpr uint32_t kMButtonDown = 0x0207;
}  // namespace SaverMessage

// System commands (the wParam of kSysCommand), whose low four bits the platform uses itself.
namespace SysCommand {
constexpr uintptr_t kMask = 0xFFF0;
constexpr uintptr_t kNextWindow = 0xF040;
constexpr uintptr_t kPrevWindow = 0xF050;
constexpr uintptr_t kScreenSave = 0xF140;
}  // namespace SysCommand

enum InputAction
{
    ACTION_DEFAULT,                 // default processing only
    ACTION_POST_CLOSE,              // post a close request, no default processing
    ACTION_POST_CLOSE_AND_DEFAULT,  // post a close request, then default processing
    ACTION_SWALLOW,                 // nothing at all
    ACTION_HIDE_CURSOR,             // hide the cursor, no default processing
    ACTION_VERIFY_PASSWORD,         // ask the password service; default processing if it agrees
};

struct SaverPoint
{
    int32_t x;
    int32_t y;
};

// The cursor may wander this far (horizontal plus vertical pixels) before the saver closes.
constexpr int64_t kMouseSlack = 4;

// ptReference: where the cursor was at creation or at the last refused close; ptCursor: where
// it is now (only looked at for a mouse movement).
InputAction DecideInputAction(uint32_t nMessage, uintptr_t wParam, bool bPreview, bool bWin9x, SaverPoint ptReference,
                              SaverPoint ptCursor);
