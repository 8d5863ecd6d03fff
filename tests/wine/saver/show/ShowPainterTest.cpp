// Owning tier: in-process under Wine. The pixels each step and repaint of the show leave, on
// one area and on several, drawn by the painter over a prepared picture (the geometry itself is
// the native tier's; the window's layout, cycle and destruction are SlideShowWndTest's).
#include "PatternCells.h"
#include "ScopedSelect.h"
#include "ShowOptions.h"
#include "ShowPainter.h"
#include "TestSlideShow.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

// Picture 1 prepared for the areas (one over the whole target if none are given), drawn into the
// target from a show state of the test's own.
struct ShowFixture
{
    ShowFixture(int nWidth, int nHeight, bool bMissing = false, const std::vector<ShowArea>& areas = {})
        : m_areas(areas.empty() ? std::vector<ShowArea>{{0, 0, nWidth, nHeight}} : areas)
        , m_picture(PreparePicture(0, m_areas, FIT_FIT, 3, bMissing ? NoPicture : LoadJpegResource))
        , m_target(nWidth, nHeight)
        , m_geometry(ComputeGeometry(nWidth, nHeight, bMissing ? 1 : 1024, bMissing ? 1 : 768))
    {
    }

    void Set(int nPhase, int nStep) { m_show.m_nPhase = nPhase, m_show.m_nStep = nStep; }
    void Timer() { Draw(FALSE); }
    // As the window repaints: into a context that may hold anything outside the pictures.
    void Repaint()
    {
        m_painter.ForgetOutside();
        Draw(TRUE);
    }
    void Draw(BOOL bRepaint)
    {
        m_painter.Draw(*m_target.Dc(), m_show, bRepaint,
                       ShowScene{m_areas, &m_picture, SIZE{m_target.m_nWidth, m_target.m_nHeight}});
    }

    void ExpectPictureAt(int x, int nBlackFrom, int nBlackTo, const std::vector<uint32_t>& before,
                         const std::vector<uint32_t>& picture)
    {
        const ShowArea whole{0, 0, m_target.m_nWidth, m_target.m_nHeight};
        EXPECT_EQ(
            CountWrongInArea(m_target.Pixels(), m_target.m_nWidth, whole, x, nBlackFrom, nBlackTo, before, picture), 0)
            << "picture at " << x;
    }

    std::vector<ShowArea> m_areas;
    PreparedPicture m_picture;
    ShowState m_show;
    CShowPainter m_painter;
    CDibTarget m_target;
    ShowGeometry m_geometry;
};

const SIZE kSizes[] = {{1024, 768}, {800, 600}, {1280, 1024}, {1280, 800}, {1366, 768}, {1920, 1080}, {152, 112}};

PatternRows SomeCells()
{
    PatternRows wPattern{};
    int n = 7;
    for (int i = 0; i < 23; ++i)
        AddPatternCell(wPattern, [&n] { return n = n * 1103515245 + 12345, (n >> 16) & 0x7FFF; });
    return wPattern;
}

// After a dissolve draw: set cells black everywhere, the others as in `before`.
int CountPatternMismatches(const std::vector<uint32_t>& pixels, const std::vector<uint32_t>& before,
                           const PatternRows& wPattern, int nWidth)
{
    int nWrong = 0;
    for (size_t i = 0; i < pixels.size(); ++i) {
        const int x = static_cast<int>(i % nWidth);
        const int y = static_cast<int>(i / nWidth);
        nWrong += pixels[i] != (IsPatternCellSet(wPattern, x, y) ? 0 : before[i]);
    }
    return nWrong;
}

}  // namespace

TEST(ShowPainter, HoldPlacesThePictureBetweenBlackBands)
{
    for (const SIZE& size : kSizes) {
        SCOPED_TRACE(testing::Message() << size.cx << "x" << size.cy);
        ShowFixture show(size.cx, size.cy);
        const std::vector<uint32_t> before = show.m_target.Pixels();
        const std::vector<uint32_t> picture = ScaledOnce(show.m_geometry.m_nWidth, show.m_geometry.m_nHeight);
        show.Set(PHASE_HOLD, 0);
        show.Repaint();
        // Bands left and right are black over the full height; above and below stay as they were.
        const ShowGeometry& g = show.m_geometry;
        show.ExpectPictureAt(g.m_nLeft, 0, size.cx, before, picture);
        EXPECT_EQ(show.m_target.At(0, 0), g.m_nLeft > 0 ? 0u : g.m_nTop > 0 ? kSentinel : picture[0]);
    }
}

TEST(ShowPainter, EachSlideStepIsThePictureScaledOnceAndMoved)
{
    for (const SIZE& size : kSizes) {
        SCOPED_TRACE(testing::Message() << size.cx << "x" << size.cy);
        ShowFixture show(size.cx, size.cy);
        const ShowGeometry& g = show.m_geometry;
        const std::vector<uint32_t> picture = ScaledOnce(g.m_nWidth, g.m_nHeight);
        for (int nStep = 0; nStep <= 10; ++nStep) {
            const int x = ComputeSlideLeft(g, size.cx, nStep);
            show.Set(PHASE_SLIDE_IN, nStep);
            // A timer step leaves the left of the picture alone and blackens its right.
            show.m_target.Fill(kSentinel);
            const std::vector<uint32_t> before = show.m_target.Pixels();
            show.Timer();
            show.ExpectPictureAt(x, x + g.m_nWidth, size.cx, before, picture);
            // A repaint blackens both sides.
            show.m_target.Fill(kSentinel);
            show.Repaint();
            show.ExpectPictureAt(x, 0, size.cx, before, picture);
        }
    }
}

TEST(ShowPainter, DissolveTurnsExactlyTheSetCellsBlack)
{
    for (const SIZE& size : kSizes) {
        SCOPED_TRACE(testing::Message() << size.cx << "x" << size.cy);
        ShowFixture show(size.cx, size.cy);
        show.Set(PHASE_HOLD, 0);
        show.Repaint();
        const std::vector<uint32_t> hold = show.m_target.Pixels();

        show.Set(PHASE_DISSOLVE, 5);
        show.m_show.m_wPattern = SomeCells();
        show.Timer();
        EXPECT_EQ(CountPatternMismatches(show.m_target.Pixels(), hold, show.m_show.m_wPattern, size.cx), 0);

        // A repaint draws picture and bands first, then the same cells, even on a context whose
        // background colour was left black.
        show.m_target.Fill(kSentinel);
        SetBkColor(show.m_target.m_dc, RGB(0, 0, 0));
        show.Repaint();
        EXPECT_EQ(CountPatternMismatches(show.m_target.Pixels(), hold, show.m_show.m_wPattern, size.cx), 0);

        // A full pattern leaves everything black.
        show.m_show.m_wPattern.fill(kFullPatternRow);
        show.Timer();
        const std::vector<uint32_t> pixels = show.m_target.Pixels();
        EXPECT_EQ(std::count(pixels.begin(), pixels.end(), 0u), static_cast<long>(pixels.size()));
    }
}

// Two monitors of one size share the prepared picture at offsets the tile does not divide;
// through the steps of a dissolve and a repaint among them, every frame is the hold with the
// cells set so far black, the tile aligned with the window, the gaps between monitors included.
TEST(ShowPainter, DissolveStepsAndARepaintAmongThemKeepTheTileOnTheWindow)
{
    const std::vector<ShowArea> areas{{0, 0, 1000, 700}, {1003, 5, 1000, 700}};
    ShowFixture show(2006, 710, false, areas);
    show.Set(PHASE_HOLD, 0);
    show.Repaint();
    const std::vector<uint32_t> hold = show.m_target.Pixels();
    ShowState& state = show.m_show;
    ClearPattern(state.m_wPattern);
    int n = 3;
    const RandomSource random = [&n] { return n = n * 1103515245 + 12345, (n >> 16) & 0x7FFF; };
    for (int nStep = 0; nStep <= kDissolveLastStep; ++nStep) {
        SCOPED_TRACE(testing::Message() << "step " << nStep);
        AddPatternCell(state.m_wPattern, random);
        AddPatternCell(state.m_wPattern, random);
        show.Set(PHASE_DISSOLVE, nStep);
        show.Timer();
        EXPECT_EQ(CountPatternMismatches(show.m_target.Pixels(), hold, state.m_wPattern, 2006), 0);
        if (nStep == 12) {
            // Exposed, as if something had been drawn over it all: the repaint brings it back.
            show.m_target.Fill(kSentinel);
            show.Repaint();
            EXPECT_EQ(CountPatternMismatches(show.m_target.Pixels(), hold, state.m_wPattern, 2006), 0);
        }
    }
}

TEST(ShowPainter, MissingPictureKeepsItsTurnBlackAndNeverDrawsNull)
{
    ShowFixture show(1280, 1024, true);
    EXPECT_FALSE(show.m_picture.IsDecoded());
    for (int nPhase : {PHASE_SLIDE_IN, PHASE_HOLD}) {
        show.m_target.Fill(kSentinel);
        show.Set(nPhase, 4);
        show.Repaint();
        const std::vector<uint32_t> pixels = show.m_target.Pixels();
        EXPECT_EQ(std::count(pixels.begin(), pixels.end(), 0u), static_cast<long>(pixels.size())) << nPhase;
    }
    // A repaint during the dissolve fills the bands beside the 1 x 1 picture's square.
    show.m_target.Fill(kSentinel);
    show.Set(PHASE_DISSOLVE, 0);
    show.Repaint();
    EXPECT_EQ(show.m_target.At(127, 500), 0u);
    EXPECT_EQ(show.m_target.At(640, 500), kSentinel);
    EXPECT_EQ(show.m_target.At(1152, 500), 0u);
}

// Every monitor shows the same frame in its own fit; nothing crosses from one into the other,
// and what lies outside the monitors is left alone.
TEST(ShowPainter, EachAreaShowsTheSameFrameFittedToIt)
{
    const std::vector<ShowArea> areas{{0, 0, 1024, 700}, {1024, 50, 576, 432}};
    ShowFixture show(1600, 700, false, areas);
    const std::vector<uint32_t> pictures[] = {ScaledOnce(933, 700), ScaledOnce(576, 432)};
    show.m_target.Fill(kSentinel);
    const std::vector<uint32_t> before = show.m_target.Pixels();
    for (int nStep : {0, 4, 10}) {
        show.Set(PHASE_SLIDE_IN, nStep);
        show.Repaint();
        const std::vector<uint32_t> pixels = show.m_target.Pixels();
        for (size_t n = 0; n < areas.size(); ++n) {
            SCOPED_TRACE(testing::Message() << "area " << n << " step " << nStep);
            const ShowGeometry g = ComputeGeometry(areas[n].m_nWidth, areas[n].m_nHeight, 1024, 768);
            const int x = ComputeSlideLeft(g, areas[n].m_nWidth, nStep);
            EXPECT_EQ(CountWrongInArea(pixels, 1600, areas[n], x, 0, areas[n].m_nWidth, before, pictures[n]), 0);
        }
        EXPECT_EQ(show.m_target.At(1300, 600), kSentinel);  // below the smaller monitor
    }
    show.Set(PHASE_HOLD, 0);
    show.Repaint();
    EXPECT_EQ(CountWrongInArea(show.m_target.Pixels(), 1600, areas[1], 0, 0, 576, before, pictures[1]), 0);
}

// Filled, the picture covers the whole area, its centre part scaled once: no band at any step
// of the slide's end or the hold, on a wider and on a taller area.
TEST(ShowPainter, AFilledPictureCoversTheAreaCroppedAboutItsCentre)
{
    for (const SIZE& size : {SIZE{800, 450}, SIZE{300, 600}}) {
        SCOPED_TRACE(testing::Message() << size.cx << "x" << size.cy);
        const std::vector<ShowArea> areas{{0, 0, size.cx, size.cy}};
        PreparedPicture picture = PreparePicture(0, areas, FIT_FILL, 4, LoadJpegResource);
        const ShowGeometry g = ComputeFill(size.cx, size.cy, 1024, 768);
        // The centre part cut out of the decoded picture, then scaled whole by the show's scaler.
        CBitmap bmpPicture, bmpPart, bmpScaled;
        bmpPicture.Attach(LoadJpegResource(nullptr, IDR_PICTURE1));
        CDibTarget part(g.m_nCropWidth, g.m_nCropHeight);
        {
            CMemoryDC dcSource(nullptr);
            const CScopedSelect select(dcSource, bmpPicture);
            BitBlt(part.m_dc, 0, 0, g.m_nCropWidth, g.m_nCropHeight, dcSource, g.m_nCropLeft, g.m_nCropTop, SRCCOPY);
        }
        CDibTarget expected(size.cx, size.cy);
        {
            bmpPart.Attach(CopyImage(GetCurrentObject(part.m_dc, OBJ_BITMAP), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
            bmpScaled.CreateScaledCopy(bmpPart, size.cx, size.cy);
            CMemoryDC dcScaled(nullptr);
            const CScopedSelect select(dcScaled, bmpScaled);
            BitBlt(expected.m_dc, 0, 0, size.cx, size.cy, dcScaled, 0, 0, SRCCOPY);
        }
        CShowPainter painter;
        CDibTarget target(size.cx, size.cy);
        ShowState show;
        show.m_nPhase = PHASE_HOLD;
        painter.Draw(*target.Dc(), show, TRUE, ShowScene{areas, &picture, size});
        EXPECT_EQ(target.Pixels(), expected.Pixels());
        // Half way in, the slide shows the left of the same copy from the area's middle on.
        show.m_nPhase = PHASE_SLIDE_IN;
        show.m_nStep = 5;
        painter.Draw(*target.Dc(), show, TRUE, ShowScene{areas, &picture, size});
        const int x = ComputeSlideLeft(g, size.cx, 5);
        EXPECT_EQ(x, size.cx / 2);
        EXPECT_EQ(target.At(x - 1, size.cy / 2), 0u);
        EXPECT_EQ(target.At(x + 3, size.cy / 2), expected.At(3, size.cy / 2));
    }
}
