// Owning tier of how a bitmap reaches the scaler and comes back a DIB section (GetDIBits, row
// order, channel order, 24 and 32 bits): Wine. The scaler's rules are owned natively.
#include "Gdi.h"

#include <gtest/gtest.h>

namespace {

const COLORREF kCorners[4] = {RGB(250, 0, 0), RGB(0, 200, 0), RGB(0, 0, 150), RGB(100, 50, 25)};  // TL TR BL BR

void PaintCorners(HBITMAP hBitmap)
{
    HDC hDC = CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = SelectObject(hDC, hBitmap);
    for (int i = 0; i < 4; ++i)
        SetPixel(hDC, i % 2, i / 2, kCorners[i]);
    SelectObject(hDC, hOld);
    DeleteDC(hDC);
}

}  // namespace

TEST(ScaledCopy, KeepsTheSourceUprightInItsColours)
{
    // A device bitmap, as the picture decoder gives, and a bottom-up 24-bit DIB, as LoadImage does.
    HDC hScreen = GetDC(nullptr);
    CBitmap device;
    device.Attach(CreateCompatibleBitmap(hScreen, 2, 2));
    ReleaseDC(nullptr, hScreen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, 2, 2, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* pBits = nullptr;
    CBitmap bottomUp;
    bottomUp.Attach(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pBits, nullptr, 0));
    for (CBitmap* pSource : {&device, &bottomUp}) {
        ASSERT_NE(pSource->GetSafeHandle(), nullptr);
        PaintCorners(*pSource);
        for (WORD nBitCount : {WORD(24), WORD(32)}) {
            SCOPED_TRACE(testing::Message() << (pSource == &device ? "device" : "bottom-up") << " to " << nBitCount);
            CBitmap copy;
            ASSERT_TRUE(copy.CreateScaledCopy(*pSource, 5, 3, nBitCount));
            EXPECT_EQ(copy.GetSize().cx, 5);
            EXPECT_EQ(copy.GetSize().cy, 3);
            // Growing holds the edge pixels, so each corner is its source corner exactly.
            HDC hDC = CreateCompatibleDC(nullptr);
            HGDIOBJ hOld = SelectObject(hDC, copy);
            for (int i = 0; i < 4; ++i)
                EXPECT_EQ(GetPixel(hDC, i % 2 * 4, i / 2 * 2), kCorners[i]) << i;
            SelectObject(hDC, hOld);
            DeleteDC(hDC);
        }
    }
    CBitmap none;
    EXPECT_FALSE(none.CreateScaledCopy(CBitmap(), 5, 3));
    EXPECT_EQ(none.GetSafeHandle(), nullptr);
}
