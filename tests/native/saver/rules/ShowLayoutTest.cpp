// Owning tier: native. The show's areas over the monitors, and each area's fit of a picture.
#include "ShowGeometry.h"
#include "ShowLayout.h"
#include "ShowOptions.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

using Areas = std::vector<ShowArea>;
using Sizes = std::vector<ShowSize>;

namespace {

Sizes SizesOf1024x768(const Areas& areas)
{
    return ScaledPictureSizes(FitPicture(areas, 1024, 768, FIT_FIT));
}

}  // namespace

TEST(ShowLayout, OneMonitorIsTheWholeClientAsBefore)
{
    const Areas areas = LayOutShowAreas({0, 0, 1920, 1080}, {{0, 0, 1920, 1080}});
    EXPECT_EQ(areas, (Areas{{0, 0, 1920, 1080}}));
    EXPECT_EQ(SizesOf1024x768(areas), (Sizes{{1440, 1080}}));
    // A preview's client area, with nothing to lay out, is one area too.
    EXPECT_EQ(LayOutShowAreas({0, 0, 152, 112}, {}), (Areas{{0, 0, 152, 112}}));
}

TEST(ShowLayout, NegativeOriginsMoveIntoTheWindow)
{
    // A monitor left of and above the primary: the virtual screen starts at -1280, -200.
    const Areas areas = LayOutShowAreas({-1280, -200, 3200, 1280}, {{0, 0, 1920, 1080}, {-1280, -200, 1280, 1024}});
    EXPECT_EQ(areas, (Areas{{1280, 200, 1920, 1080}, {0, 0, 1280, 1024}}));
}

TEST(ShowLayout, PortraitAndDifferentHeightsEachGetTheirOwnFit)
{
    const Areas areas =
        LayOutShowAreas({0, 0, 4280, 1920}, {{0, 0, 1280, 1024}, {1280, 0, 1920, 1080}, {3200, 0, 1080, 1920}});
    ASSERT_EQ(areas.size(), 3u);
    EXPECT_EQ(SizesOf1024x768(areas), (Sizes{{1280, 960}, {1440, 1080}, {1080, 810}}));
    const ShowGeometry portrait = FitPicture(areas, 1024, 768, FIT_FIT)[2];
    EXPECT_EQ(portrait.m_nLeft, 0);
    EXPECT_EQ(portrait.m_nTop, 555);
    // The slide starts at the portrait monitor's own right edge.
    EXPECT_EQ(ComputeSlideLeft(portrait, areas[2].m_nWidth, 0), 1080);
    // Monitors of different sizes may share one scaled picture.
    EXPECT_EQ(SizesOf1024x768(LayOutShowAreas({0, 0, 3360, 1080}, {{0, 0, 1920, 1080}, {1920, 0, 1440, 1080}})),
              (Sizes{{1440, 1080}}));
}

TEST(ShowLayout, GapsMirrorsAndStrayMonitors)
{
    // A gap between two monitors belongs to no area.
    EXPECT_EQ(LayOutShowAreas({0, 0, 2148, 768}, {{0, 0, 1024, 768}, {1124, 0, 1024, 768}}),
              (Areas{{0, 0, 1024, 768}, {1124, 0, 1024, 768}}));
    // A mirrored monitor is one area; a monitor reaching past the window is cut to it.
    EXPECT_EQ(LayOutShowAreas({0, 0, 1920, 1080}, {{0, 0, 1920, 1080}, {0, 0, 1920, 1080}, {1800, 500, 400, 900}}),
              (Areas{{0, 0, 1920, 1080}, {1800, 500, 120, 580}}));
    // Nothing inside, empty or absurd monitors: the whole window is the one area.
    EXPECT_EQ(LayOutShowAreas({0, 0, 800, 600}, {{5000, 0, 100, 100}, {0, 0, 0, 0}, {0, 0, -5, 10}}),
              (Areas{{0, 0, 800, 600}}));
    EXPECT_EQ(LayOutShowAreas({INT_MAX - 10, 0, 100, 100}, {{INT_MAX - 5, 0, INT_MAX, 50}}), (Areas{{5, 0, 95, 50}}));
    EXPECT_TRUE(SizesOf1024x768({{0, 0, 0, 0}}).empty());
}
