// Owning tier: in-process under Wine. A picture taking the current one's place: its 24-bit
// copies move into the spent picture's 32-bit bitmaps of their size, pixel for pixel; and a
// caption's pixels in its copies (its place is CaptionLayoutTest's); a blurred backdrop's bands
// (its geometry is BackdropTest's).
#include "JpegResource.h"
#include "PreparedPicture.h"
#include "ShowOptions.h"
#include "TestSlideShow.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

int BitsOf(const PreparedPicture& picture, const ShowSize& size)
{
    BITMAP bm{};
    const CBitmap* pBitmap = picture.Find(size);
    return pBitmap != nullptr && GetObjectA(*pBitmap, sizeof bm, &bm) != 0 ? bm.bmBitsPixel : 0;
}

// The copy at that size, read back at 32 bits, top row first.
std::vector<uint32_t> PixelsOf(const PreparedPicture& picture, const ShowSize& size)
{
    std::vector<uint32_t> pixels(static_cast<size_t>(size.m_nWidth) * size.m_nHeight);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), size.m_nWidth, -size.m_nHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    HDC hDC = GetDC(nullptr);
    GetDIBits(hDC, *picture.Find(size), 0, size.m_nHeight, pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, hDC);
    for (uint32_t& n : pixels)
        n &= 0xFFFFFF;
    return pixels;
}

}  // namespace

TEST(PreparedPicture, TheNextPictureMovesIntoTheSpentOnesWideCopiesOfItsSize)
{
    const std::vector<ShowArea> areas{{0, 0, 400, 300}};
    const ShowSize size{400, 300};
    PreparedPicture spent = PreparePicture(0, areas, FIT_FIT, 4, LoadJpegResource);
    PreparedPicture next = PreparePicture(1, areas, FIT_FIT, 3, LoadJpegResource);
    const PreparedPicture wide = PreparePicture(1, areas, FIT_FIT, 4, LoadJpegResource);
    ASSERT_EQ(BitsOf(next, size), 24);
    const HGDIOBJ hSpent = spent.Find(size)->GetSafeHandle();

    next.Widen(spent);
    EXPECT_EQ(next.Find(size)->GetSafeHandle(), hSpent);
    EXPECT_EQ(BitsOf(next, size), 32);
    EXPECT_EQ(spent.Find(size), nullptr);
    EXPECT_TRUE(PixelsOf(next, size) == PixelsOf(wide, size));

    // Nothing of its size to take: it stays narrow, and the spent picture keeps its copy.
    PreparedPicture smaller = PreparePicture(2, {{0, 0, 200, 150}}, FIT_FIT, 3, LoadJpegResource);
    PreparedPicture other = PreparePicture(3, areas, FIT_FIT, 4, LoadJpegResource);
    smaller.Widen(other);
    EXPECT_EQ(BitsOf(smaller, ShowSize{200, 150}), 24);
    EXPECT_EQ(BitsOf(other, size), 32);
}

// A caption lies in its copy's lower left corner, light text in a dark outline; nothing else of
// the picture changes.
TEST(PreparedPicture, ACaptionIsDrawnIntoTheLowerLeftCornerOfItsCopy)
{
    const std::vector<ShowArea> areas{{0, 0, 640, 480}};
    const ShowSize size{640, 480};
    const PreparedPicture plain = PreparePicture(0, areas, FIT_FIT, 4, ColourPicture);
    const PreparedPicture captioned =
        PreparePicture(0, areas, FIT_FIT, 4, ColourPicture, PictureCaption{L"Grandma's 80th", 96});
    const std::vector<uint32_t> before = PixelsOf(plain, size);
    const std::vector<uint32_t> after = PixelsOf(captioned, size);
    int nLight = 0, nDark = 0, nOutside = 0;
    for (int y = 0; y < size.m_nHeight; ++y)
        for (int x = 0; x < size.m_nWidth; ++x) {
            const uint32_t n = after[static_cast<size_t>(y) * size.m_nWidth + x];
            if (n == before[static_cast<size_t>(y) * size.m_nWidth + x])
                continue;
            const int r = n >> 16 & 0xFF, g = n >> 8 & 0xFF, b = n & 0xFF;
            nOutside += x >= size.m_nWidth / 2 || y < size.m_nHeight * 3 / 4;
            nLight += r > 200 && g > 200 && b > 200;
            nDark += r < 64 && g < 64 && b < 64;
        }
    EXPECT_GT(nLight, 50);
    EXPECT_GT(nDark, 50);
    EXPECT_EQ(nOutside, 0);
}

// fit=blur: the copy fills the area, the picture fitted in its middle and the bands beside it a
// blurred, darkened copy of it: neither black nor the picture.
TEST(PreparedPicture, ABlurredBackdropFillsTheBandsBesideAFittedPicture)
{
    const std::vector<ShowArea> areas{{0, 0, 800, 300}};
    const PreparedPicture blurred = PreparePicture(0, areas, FIT_BLUR, 4, ColourPicture);
    ASSERT_EQ(blurred.m_fits.size(), 1u);
    EXPECT_EQ((std::vector<int>{blurred.m_fits[0].m_nWidth, blurred.m_fits[0].m_nHeight}),
              (std::vector<int>{800, 300}));
    const std::vector<uint32_t> pixels = PixelsOf(blurred, ShowSize{800, 300});
    EXPECT_EQ(pixels[150 * 800 + 400], PictureColour(0));
    for (const int x : {10, 790}) {
        const uint32_t nBand = pixels[150 * 800 + x];
        EXPECT_NE(nBand, 0u) << x;
        EXPECT_NE(nBand, PictureColour(0)) << x;
    }
}
