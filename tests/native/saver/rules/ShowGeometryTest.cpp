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

// Filled: the whole area, from the centred part of the picture in the area's shape.
TEST(ShowGeometry, FillTableOfShapePairs)
{
    struct Row
    {
        int m_nClientWidth, m_nClientHeight, m_nPictureWidth, m_nPictureHeight;
        int m_nCropLeft, m_nCropTop, m_nCropWidth, m_nCropHeight;
    };
    const Row rows[] = {
        {1920, 1080, 1024, 768, 0, 96, 1024, 576},      // landscape on a wider landscape
        {1024, 768, 1024, 768, 0, 0, 1024, 768},        // the same shape
        {1280, 1024, 1024, 768, 32, 0, 960, 768},       // landscape on a narrower one
        {1920, 1080, 3024, 4032, 0, 1165, 3024, 1701},  // portrait on landscape
        {1080, 1920, 4032, 3024, 1165, 0, 1701, 3024},  // landscape on portrait
        {1080, 1920, 600, 800, 75, 0, 450, 800},        // portrait on a taller portrait
        {1920, 1080, 1, 1, 0, 0, 1, 1},                 // one pixel
        {1920, 1080, 8192, 1, 4095, 0, 1, 1},           // a line: at least one pixel of it
        {1920, 1080, 1, 8192, 0, 4095, 1, 1},
        {152, 112, 1024, 768, 0, 7, 1024, 754},  // a preview
        {0, 0, 1024, 768, 0, 0, 1024, 768},      // no area
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.m_nPictureWidth << "x" << row.m_nPictureHeight << " on "
                                        << row.m_nClientWidth << "x" << row.m_nClientHeight);
        const ShowGeometry g =
            ComputeFill(row.m_nClientWidth, row.m_nClientHeight, row.m_nPictureWidth, row.m_nPictureHeight);
        EXPECT_EQ(g.m_nWidth, row.m_nClientWidth);
        EXPECT_EQ(g.m_nHeight, row.m_nClientHeight);
        EXPECT_EQ(g.m_nLeft, 0);
        EXPECT_EQ(g.m_nTop, 0);
        EXPECT_EQ(g.m_nCropLeft, row.m_nCropLeft);
        EXPECT_EQ(g.m_nCropTop, row.m_nCropTop);
        EXPECT_EQ(g.m_nCropWidth, row.m_nCropWidth);
        EXPECT_EQ(g.m_nCropHeight, row.m_nCropHeight);
    }
    // The slide crosses the whole area.
    EXPECT_EQ(ComputeSlideLeft(ComputeFill(1920, 1080, 1024, 768), 1920, 0), 1920);
    EXPECT_EQ(ComputeSlideLeft(ComputeFill(1920, 1080, 1024, 768), 1920, 10), 0);
}
