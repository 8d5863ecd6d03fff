// Owning tier: in-process under Wine. A picture taking the current one's place: its 24-bit
// copies move into the spent picture's 32-bit bitmaps of their size, pixel for pixel.
#include "JpegResource.h"
#include "PreparedPicture.h"
#include "ShowOptions.h"

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
