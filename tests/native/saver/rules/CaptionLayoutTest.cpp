// Owning tier: native. Where a caption sits in its picture, and its font's height per monitor.
#include "CaptionLayout.h"

#include <gtest/gtest.h>

#include <vector>

TEST(CaptionLayout, LowerLeftInsideTheMarginsCutToThePicture)
{
    struct Row
    {
        ShowSize m_picture;
        ShowSize m_text;
        int m_nDpi;
        CaptionPlace m_place;
    };
    const Row rows[] = {
        // 16 px in from the left and, with its 1-px shadow, from the bottom.
        {{1440, 1080}, {200, 20}, 96, {16, 1043, 200, 20, 1}},
        // At 192 dpi the margin and the shadow double; the text is measured in its own font.
        {{2880, 2160}, {400, 40}, 192, {32, 2086, 400, 40, 2}},
        // Below 96 dpi the margins stay at their least.
        {{1440, 1080}, {200, 20}, 72, {16, 1043, 200, 20, 1}},
        // Wider than the picture less its margins: cut to them.
        {{300, 200}, {500, 20}, 96, {16, 163, 268, 20, 1}},
        // No room, or no text: not drawn.
        {{32, 200}, {50, 20}, 96, {0, 0, 0, 0, 1}},
        {{300, 40}, {50, 20}, 96, {0, 0, 0, 0, 1}},
        {{300, 200}, {0, 0}, 96, {0, 0, 0, 0, 1}},
    };
    for (const Row& row : rows) {
        const CaptionPlace place = PlaceCaption(row.m_picture, row.m_text, row.m_nDpi);
        EXPECT_EQ((std::vector<int>{place.m_nLeft, place.m_nTop, place.m_nWidth, place.m_nHeight, place.m_nShadow}),
                  (std::vector<int>{row.m_place.m_nLeft, row.m_place.m_nTop, row.m_place.m_nWidth,
                                    row.m_place.m_nHeight, row.m_place.m_nShadow}))
            << row.m_picture.m_nWidth << "x" << row.m_picture.m_nHeight << " at " << row.m_nDpi;
    }
}

TEST(CaptionLayout, FontHeightFollowsTheMonitor)
{
    struct Row
    {
        int m_nHeight;
        int m_nSystemDpi;
        int m_nMonitorDpi;
        int m_nScaled;
    };
    const Row rows[] = {
        {-12, 96, 96, -12},  {-12, 96, 144, -18}, {-12, 96, 120, -15},
        {-15, 120, 96, -12}, {-11, 96, 120, -14},  // -13.75, away from 0
        {16, 96, 192, 32},                         // a cell height stays positive
        {-12, 0, 144, -12},                        // nothing known: as it is
    };
    for (const Row& row : rows)
        EXPECT_EQ(ScaleCaptionFontHeight(row.m_nHeight, row.m_nSystemDpi, row.m_nMonitorDpi), row.m_nScaled)
            << row.m_nHeight << " " << row.m_nSystemDpi << " " << row.m_nMonitorDpi;
}
