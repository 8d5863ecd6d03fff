// Owning tier: native. How far a picture is reduced as it is decoded, for the areas it is
// prepared for.
#include "DecodeScale.h"
#include "ShowOptions.h"

#include <gtest/gtest.h>

TEST(DecodeScale, TheLargestPowerOfTwoThatStillCoversEveryArea)
{
    struct Row
    {
        int m_nWidth;
        int m_nHeight;
        PictureNeed m_need;
        int m_nDivisor;
        ShowSize m_reduced;
    };
    const Row rows[] = {
        // A large photo on one screen, fitted: its height, 5464 for 1080 rows, allows a quarter.
        {8192, 5464, {{{0, 0, 1920, 1080}}, FIT_FIT}, 4, {2048, 1366}},
        // At 3840x2160 the fit's height, 2160, needs 5464 / 2 = 2732 rows.
        {8192, 5464, {{{0, 0, 3840, 2160}}, FIT_FIT}, 2, {4096, 2732}},
        // Filled, the crop is what counts: 8192 x 4608 into 1920 x 1080.
        {8192, 5464, {{{0, 0, 1920, 1080}}, FIT_FILL}, 4, {2048, 1366}},
        // Never beyond an eighth, rounded up as the decoder does.
        {8192, 5464, {{{0, 0, 152, 112}}, FIT_FIT}, 8, {1024, 683}},
        // The largest of two monitors decides.
        {8192, 5464, {{{0, 0, 1024, 768}, {1024, 0, 3840, 2160}}, FIT_FIT}, 2, {4096, 2732}},
        // Exactly twice the screen: halved. A pixel short of it: whole.
        {3840, 2160, {{{0, 0, 1920, 1080}}, FIT_FIT}, 2, {1920, 1080}},
        {3839, 2159, {{{0, 0, 1920, 1080}}, FIT_FIT}, 1, {3839, 2159}},
        // Smaller than the screen, or no size at all: as it is.
        {1024, 768, {{{0, 0, 1920, 1080}}, FIT_FIT}, 1, {1024, 768}},
        {0, 0, {{{0, 0, 1920, 1080}}, FIT_FIT}, 1, {0, 0}},
        {8192, 5464, {{}, FIT_FIT}, 1, {8192, 5464}},
        // A panorama fitted to a wide screen: its width limits it, 8192 for 1920 columns.
        {8192, 1024, {{{0, 0, 1920, 1080}}, FIT_FIT}, 4, {2048, 256}},
    };
    for (const Row& row : rows) {
        const int nDivisor = ChooseDecodeDivisor(row.m_nWidth, row.m_nHeight, row.m_need);
        EXPECT_EQ(nDivisor, row.m_nDivisor) << row.m_nWidth << "x" << row.m_nHeight;
        EXPECT_EQ(ReducedSize(row.m_nWidth, row.m_nHeight, nDivisor), row.m_reduced) << row.m_nWidth;
    }
}
