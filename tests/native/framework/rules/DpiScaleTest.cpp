#include "DpiScale.h"

#include <gtest/gtest.h>

#include <climits>

TEST(DpiScale, PictureSizesAtCommonScales)
{
    const struct
    {
        unsigned m_nDpi;
        int m_nWidth, m_nHeight;
    } rows[] = {{96, 400, 300}, {120, 500, 375}, {144, 600, 450}, {168, 700, 525}, {192, 800, 600}, {72, 300, 225}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.m_nDpi);
        EXPECT_EQ(ScaleToDpi(400, row.m_nDpi), row.m_nWidth);
        EXPECT_EQ(ScaleToDpi(300, row.m_nDpi), row.m_nHeight);
    }
}

TEST(DpiScale, RoundsToNearestWithHalvesAwayFromZero)
{
    EXPECT_EQ(ScaleToDpi(1, 144), 2);  // 1.5
    EXPECT_EQ(ScaleToDpi(-1, 144), -2);
    EXPECT_EQ(ScaleToDpi(229, 120), 286);  // 286.25
    EXPECT_EQ(ScaleToDpi(1, 47), 0);       // 0.49
}

TEST(DpiScale, UnknownAndExtremeInputsStayDefined)
{
    EXPECT_EQ(ScaleToDpi(400, 0), 400);
    EXPECT_EQ(ScaleToDpi(INT_MAX, 192), INT_MAX);
    EXPECT_EQ(ScaleToDpi(INT_MIN, 192), INT_MIN);
    EXPECT_EQ(ScaleToDpi(96, UINT_MAX), 65535);
    EXPECT_EQ(ScaleToDpi(INT_MAX, 96), INT_MAX);
}
