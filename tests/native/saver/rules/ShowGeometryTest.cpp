// Owning tier: native. Where a picture lands in an area, and where each slide step puts it.
#include "ShowGeometry.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct GeometryRow
{
    int m_nClientWidth, m_nClientHeight;
    int m_nWidth, m_nHeight, m_nLeft, m_nTop, m_nRightBand;
};

std::vector<int> SlideEdges(int nClientWidth, int nClientHeight)
{
    const ShowGeometry geometry = ComputeGeometry(nClientWidth, nClientHeight, 1024, 768);
    std::vector<int> edges;
    for (int nStep = 0; nStep <= 10; ++nStep)
        edges.push_back(ComputeSlideLeft(geometry, nClientWidth, nStep));
    return edges;
}

}  // namespace

TEST(ShowGeometry, TableOfClientSizes)
{
    const GeometryRow rows[] = {
        {1024, 768, 1024, 768, 0, 0, 0},     {800, 600, 800, 600, 0, 0, 0},       {1280, 1024, 1280, 960, 0, 32, 0},
        {1280, 800, 1066, 800, 107, 0, 107}, {1366, 768, 1024, 768, 171, 0, 171}, {1920, 1080, 1440, 1080, 240, 0, 240},
        {152, 112, 149, 112, 1, 0, 2},
    };
    for (const GeometryRow& row : rows) {
        SCOPED_TRACE(testing::Message() << row.m_nClientWidth << "x" << row.m_nClientHeight);
        const ShowGeometry g = ComputeGeometry(row.m_nClientWidth, row.m_nClientHeight, 1024, 768);
        EXPECT_EQ(g.m_nWidth, row.m_nWidth);
        EXPECT_EQ(g.m_nHeight, row.m_nHeight);
        EXPECT_EQ(g.m_nLeft, row.m_nLeft);
        EXPECT_EQ(g.m_nTop, row.m_nTop);
        EXPECT_EQ(row.m_nClientWidth - g.m_nLeft - g.m_nWidth, row.m_nRightBand);
    }
}

TEST(ShowGeometry, SlideEdgesPerStep)
{
    EXPECT_EQ(SlideEdges(1024, 768), (std::vector<int>{1024, 921, 819, 716, 614, 512, 409, 307, 204, 102, 0}));
    EXPECT_EQ(SlideEdges(1920, 1080), (std::vector<int>{1920, 1752, 1584, 1416, 1248, 1080, 912, 744, 576, 408, 240}));
}

TEST(ShowGeometry, MissingPictureIsOneByOneSquare)
{
    const ShowGeometry g = ComputeGeometry(1024, 768, 0, 0);
    EXPECT_EQ(g.m_nWidth, 768);
    EXPECT_EQ(g.m_nHeight, 768);
    EXPECT_EQ(g.m_nLeft, 128);
    EXPECT_EQ(g.m_nTop, 0);
}

TEST(ShowGeometry, ExtremeSizesStayDefined)
{
    const ShowGeometry huge = ComputeGeometry(2000000000, 2000000000, 1024, 768);
    EXPECT_EQ(huge.m_nWidth, 2000000000);
    EXPECT_EQ(huge.m_nHeight, 1500000000);
    const ShowGeometry empty = ComputeGeometry(0, 0, 1024, 768);
    EXPECT_EQ(empty.m_nWidth, 0);
    EXPECT_EQ(empty.m_nHeight, 0);
    EXPECT_EQ(ComputeSlideLeft(huge, 2000000000, 0), 2000000000);
}
