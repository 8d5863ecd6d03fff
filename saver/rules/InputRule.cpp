#include "InputRule.h"

namespace {

int64_t Distance(SaverPoint ptA, SaverPoint ptB)
{
    const int64_t dx = static_cast<int64_t>(ptA.x) - ptB.x;
    const int64_t dy = static_cast<int64_t>(ptA.y) - ptB.y;
    return (dx < 0 ? -dx : dx) + (dy < 0 ? -dy : dy);
}

InputAction DecideSysCommand(uintptr_t wParam)
{
    switch (wParam & SysCommand::kMask) {
    case SysCommand::kNextWindow:
    case SysCommand::kPrevWindow:
    case SysCommand::kScreenSave:
        return ACTION_SWALLOW;
    default:
        return ACTION_DEFAULT;
    }
}

}  // namespace

InputAction DecideInputAction(uint32_t nMessage, uintptr_t wParam, bool bPreview, bool bWin9x, SaverPoint ptReference,
                              SaverPoint ptCursor)
{
    if (bPreview)
        return ACTION_DEFAULT;
    switch (nMessage) {
    case SaverMessage::kClose:
        return bWin9x ? ACTION_VERIFY_PASSWORD : ACTION_DEFAULT;
    case SaverMessage::kActivateApp:
        return wParam ? ACTION_DEFAULT : ACTION_POST_CLOSE_AND_DEFAULT;
    case SaverMessage::kLButtonDown:
    case SaverMessage::kMButtonDown:
    case SaverMessage::kRButtonDown:
    case SaverMessage::kKeyDown:
    case SaverMessage::kSysKeyDown:
        return ACTION_POST_CLOSE;
    case SaverMessage::kSysCommand:
        return DecideSysCommand(wParam);
    case SaverMessage::kShowWindow:
        return wParam ? ACTION_HIDE_CURSOR : ACTION_SWALLOW;
    case SaverMessage::kMouseMove:
        return Distance(ptReference, ptCursor) > kMouseSlack ? ACTION_POST_CLOSE : ACTION_SWALLOW;
    default:
        return ACTION_DEFAULT;
    }
}
