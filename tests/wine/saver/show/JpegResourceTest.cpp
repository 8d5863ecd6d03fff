// Owning tier: in-process under Wine. Decoding a picture resource into a bitmap of ours.
#include "JpegResource.h"
#include "ResourceText.h"
#include "SaverResource.h"

#include <psapi.h>

#include <gtest/gtest.h>

#include <string>

namespace {

SIZE BitmapSize(HBITMAP hBitmap)
{
    BITMAP bm{};
    GetObjectA(hBitmap, sizeof bm, &bm);
    return SIZE{bm.bmWidth, bm.bmHeight};
}

COLORREF CentrePixel(HBITMAP hBitmap)
{
    HDC hDC = CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = SelectObject(hDC, hBitmap);
    const COLORREF color = GetPixel(hDC, 512, 384);
    SelectObject(hDC, hOld);
    DeleteDC(hDC);
    return color;
}

// The commit charge: Windows reports it as private bytes; Wine leaves PrivateUsage at 0.
SIZE_T PrivateBytes()
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PagefileUsage;
}

}  // namespace

TEST(JpegResource, EachPictureDecodesTo1024x768AndLeavesItsBytesAlone)
{
    for (UINT nId = IDR_PICTURE1; nId <= IDR_PICTURE4; ++nId) {
        SCOPED_TRACE(nId);
        const std::string before = ResourceText("JPEG", nId);
        ASSERT_GT(before.size(), 2u);
        EXPECT_EQ(before.substr(0, 2), "\xFF\xD8");
        HBITMAP hBitmap = LoadJpegResource(nullptr, nId);
        ASSERT_NE(hBitmap, nullptr);
        const SIZE size = BitmapSize(hBitmap);
        EXPECT_EQ(size.cx, 1024);
        EXPECT_EQ(size.cy, 768);
        EXPECT_TRUE(DeleteObject(hBitmap));
        EXPECT_EQ(ResourceText("JPEG", nId), before);
    }
}

TEST(JpegResource, TwoLoadsGiveIndependentBitmaps)
{
    HBITMAP hFirst = LoadJpegResource(nullptr, IDR_PICTURE2);
    HBITMAP hSecond = LoadJpegResource(nullptr, IDR_PICTURE2);
    ASSERT_NE(hFirst, nullptr);
    ASSERT_NE(hSecond, nullptr);
    EXPECT_NE(hFirst, hSecond);
    const COLORREF color = CentrePixel(hSecond);
    EXPECT_TRUE(DeleteObject(hFirst));
    EXPECT_EQ(BitmapSize(hSecond).cx, 1024);
    EXPECT_EQ(CentrePixel(hSecond), color);
    EXPECT_TRUE(DeleteObject(hSecond));
}

TEST(JpegResource, MissingOrUndecodableResourceGivesNull)
{
    EXPECT_EQ(LoadJpegResource(nullptr, 5), nullptr);   // an icon, not a bitmap
    EXPECT_EQ(LoadJpegResource(nullptr, 6), nullptr);   // text
    EXPECT_EQ(LoadJpegResource(nullptr, 99), nullptr);  // absent
    EXPECT_EQ(LoadJpegResource(GetModuleHandleA("kernel32.dll"), IDR_PICTURE1), nullptr);
}

TEST(JpegResource, RepeatedLoadsDoNotGrow)
{
    for (int i = 0; i < 20; ++i)
        DeleteObject(LoadJpegResource(nullptr, IDR_PICTURE1 + i % 4));
    const SIZE_T nBefore = PrivateBytes();
    for (int i = 0; i < 300; ++i) {
        HBITMAP hBitmap = LoadJpegResource(nullptr, IDR_PICTURE1 + i % 4);
        ASSERT_NE(hBitmap, nullptr);
        ASSERT_TRUE(DeleteObject(hBitmap));
    }
    // One kept bitmap per load would be 3 MB each: 900 MB in all.
    EXPECT_LT(PrivateBytes(), nBefore + 16 * 1024 * 1024) << "before " << nBefore;
}
