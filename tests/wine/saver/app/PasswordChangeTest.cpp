// Owning tier: in-process under Wine. Which window owns the platform's password change.
#include "PasswordChange.h"
#include "PumpMessages.h"

#include <gtest/gtest.h>

TEST(PasswordChange, ANumberNamingNoWindowGivesTheForegroundWindow)
{
    const HWND hForeground = CreateWindowExW(0, L"STATIC", L"foreground", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100,
                                             nullptr, nullptr, nullptr, nullptr);
    const HWND hNamed = CreateWindowExW(0, L"STATIC", L"named", WS_POPUP | WS_VISIBLE, 200, 0, 100, 100, nullptr,
                                        nullptr, nullptr, nullptr);
    SetForegroundWindow(hForeground);
    PumpMessages();
    ASSERT_EQ(GetForegroundWindow(), hForeground);
    EXPECT_EQ(PasswordChangeOwner(reinterpret_cast<HWND>(static_cast<INT_PTR>(1234567))), hForeground);
    EXPECT_EQ(PasswordChangeOwner(nullptr), hForeground);
    EXPECT_EQ(PasswordChangeOwner(hNamed), hNamed);
    DestroyWindow(hNamed);
    EXPECT_EQ(PasswordChangeOwner(hNamed), hForeground);  // a window that has gone names none
    DestroyWindow(hForeground);
}
