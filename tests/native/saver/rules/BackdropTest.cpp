// Owning tier: native. The backdrop of fit=blur: its small size per area, and the blur and shade
// on a few pixels.
#include "Backdrop.h"

#include <gtest/gtest.h>

#include <vector>

TEST(Backdrop, SmallSizePerArea)
{
    struct Row
    {
        int m_nWidth;
        int m_nHeight;
        int m_nSmallWidth;
        int m_nSmallHeight;
    };
    const Row rows[] = {
        {1920, 1080, 60, 34}, {3840, 2160, 120, 68}, {1080, 1920, 34, 60}, {152, 112, 5, 4}, {1, 1, 1, 1}, {0, 0, 1, 1},
    };
    for (const Row& row : rows) {
        const BackdropGeometry g = ComputeBackdrop(row.m_nWidth, row.m_nHeight);
        EXPECT_EQ((std::vector<int>{g.m_nSmallWidth, g.m_nSmallHeight}),
                  (std::vector<int>{row.m_nSmallWidth, row.m_nSmallHeight}))
            << row.m_nWidth << "x" << row.m_nHeight;
        EXPECT_GT(g.m_nRadius, 0);
        EXPECT_LT(g.m_nShade, 256);
    }
}

// One bright pixel in a row of five, radius 1: spread over its neighbours, then darkened to half;
// a uniform row only darkens.
TEST(Backdrop, BlurSpreadsAndShadeDarkens)
{
    struct Row
    {
        std::vector<unsigned char> m_in;
        std::vector<unsigned char> m_out;
    };
    const Row rows[] = {
        {{0, 0, 0, 0, 0, 0, 240, 240, 240, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 40, 40, 40, 40, 40, 40, 40, 40, 40, 0, 0, 0}},
        {{100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100},
         {50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50}},
    };
    for (Row row : rows) {
        EXPECT_TRUE(BlurAndShade(PixelRows{row.m_in.data(), 5, 1, 15, 3}, 1, 128));
        EXPECT_EQ(row.m_in, row.m_out);
    }
}
