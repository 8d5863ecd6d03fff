// Owning tier: in-process under Wine. The pixels each step and repaint of the show leave, on
// one area and on several (the geometry itself is the native tier's).
#include "JpegResource.h"
#include "PatternCells.h"
#include "SaverResource.h"
#include "ShowGeometry.h"
#include "TestSlideShow.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

constexpr uint32_t kSentinel = 0x123456;  // what the display showed before the show drew
constexpr uint32_t kRgb = 0xFFFFFF;

// A 32-bit top-down DIB section selected into a memory context.
class CDibTarget
{
public:
    CDibTarget(int nWidth, int nHeight) : m_nWidth(nWidth), m_nHeight(nHeight), m_dc(CreateCompatibleDC(nullptr))
    {
        void* pBits = nullptr;
        m_bmp.CreateDIBSection(nWidth, nHeight, 32, &pBits);
        m_pBits = static_cast<uint32_t*>(pBits);
        m_hOld = SelectObject(m_dc, m_bmp);
        Fill(kSentinel);
    }
    ~CDibTarget()
    {
        SelectObject(m_dc, m_hOld);
        DeleteDC(m_dc);
    }

    void Fill(uint32_t nColor) { std::fill(m_pBits, m_pBits + m_nWidth * m_nHeight, nColor); }
    uint32_t At(int x, int y) const
    {
        GdiFlush();
        return m_pBits[y * m_nWidth + x] & kRgb;
    }
    std::vector<uint32_t> Pixels() const
    {
        GdiFlush();
        std::vector<uint32_t> pixels(m_pBits, m_pBits + m_nWidth * m_nHeight);
        for (uint32_t& n : pixels)
            n &= kRgb;
        return pixels;
    }
    CDC* Dc() { return &m_cdc; }

    int m_nWidth;
    int m_nHeight;
    HDC m_dc;

private:
    CBitmap m_bmp;
    HGDIOBJ m_hOld = nullptr;
    uint32_t* m_pBits = nullptr;
    CDC m_cdc{m_dc};
};

// Picture 1 scaled whole, once, to dw x dh by the show's scaler: what every step must show, only
// moved. The scaler's pixels themselves are owned by its native test.
std::vector<uint32_t> ScaledOnce(int nWidth, int nHeight)
{
    CDibTarget target(nWidth, nHeight);
    CBitmap bmpPicture, bmpScaled;
    bmpPicture.Attach(LoadJpegResource(nullptr, IDR_PICTURE1));
    bmpScaled.CreateScaledCopy(bmpPicture, nWidth, nHeight);
    HDC hSource = CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = SelectObject(hSource, bmpScaled);
    BitBlt(target.m_dc, 0, 0, nWidth, nHeight, hSource, 0, 0, SRCCOPY);
    SelectObject(hSource, hOld);
    DeleteDC(hSource);
    return target.Pixels();
}

// Pixels of one area after a draw: the picture (scaled once) at x, black in the columns
// [nBlackFrom, nBlackTo) beside it, the rest (above and below it) as before; x and the columns
// count from the area's left. Returns how many differ.
int CountWrongInArea(const std::vector<uint32_t>& pixels, int nWidth, const ShowArea& area, int x, int nBlackFrom,
                     int nBlackTo, const std::vector<uint32_t>& before, const std::vector<uint32_t>& picture)
{
    const ShowGeometry g = ComputeGeometry(area.m_nWidth, area.m_nHeight, 1024, 768);
    int nWrong = 0;
    for (int y = 0; y < area.m_nHeight; ++y)
        for (int cx = 0; cx < area.m_nWidth; ++cx) {
            const size_t i = static_cast<size_t>(y + area.m_nTop) * nWidth + cx + area.m_nLeft;
            uint32_t nExpected = before[i];
            const bool bPictureRows = y >= g.m_nTop && y < g.m_nTop + g.m_nHeight;
            const bool bPictureColumns = cx >= x && cx < x + g.m_nWidth;
            // Above and below the picture nothing is drawn; band fills take the full height.
            if (bPictureColumns && bPictureRows)
                nExpected = picture[(y - g.m_nTop) * g.m_nWidth + (cx - x)];
            else if (!bPictureColumns && cx >= nBlackFrom && cx < nBlackTo)
                nExpected = 0;
            nWrong += pixels[i] != nExpected;
        }
    return nWrong;
}

// The whole client area as a repaint draws it, into the given context.
void PrintClient(CTestSlideShow* pShow, HDC hDC)
{
    SendMessageW(pShow->m_hWnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(hDC), PRF_CLIENT);
}

struct ShowFixture
{
    // With monitors the show is full screen over them, else a preview.
    ShowFixture(int nWidth, int nHeight, bool bMissing = false, const std::vector<ShowArea>& monitors = {})
        : m_platform(WithMonitors(monitors))
        , m_pShow(CreateHiddenShow(nWidth, nHeight, bMissing ? NoPicture : LoadJpegResource,
                                   monitors.empty() ? nullptr : &m_platform))
        , m_target(nWidth, nHeight)
        , m_geometry(ComputeGeometry(nWidth, nHeight, bMissing ? 1 : 1024, bMissing ? 1 : 768))
    {
        // The first picture, prepared since the window was made.
        m_pShow->m_show.m_nPicture = 0;
        m_pShow->TakeNextPicture();
    }
    ~ShowFixture() { DestroyWindow(m_pShow->m_hWnd); }

    void Set(int nPhase, int nStep) { m_pShow->m_show.m_nPhase = nPhase, m_pShow->m_show.m_nStep = nStep; }
    void Timer() { m_pShow->DrawFrame(*m_target.Dc(), m_pShow->m_show, FALSE); }
    void Repaint() { PrintClient(m_pShow, m_target.m_dc); }

    void ExpectPictureAt(int x, int nBlackFrom, int nBlackTo, const std::vector<uint32_t>& before,
                         const std::vector<uint32_t>& picture)
    {
        const ShowArea whole{0, 0, m_target.m_nWidth, m_target.m_nHeight};
        EXPECT_EQ(
            CountWrongInArea(m_target.Pixels(), m_target.m_nWidth, whole, x, nBlackFrom, nBlackTo, before, picture), 0)
            << "picture at " << x;
    }

    static CSaverPlatformFake WithMonitors(const std::vector<ShowArea>& monitors)
    {
        CSaverPlatformFake platform;
        platform.m_monitors = monitors;
        return platform;
    }

    CSaverPlatformFake m_platform;
    CTestSlideShow* m_pShow;
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

TEST(SlideShowDraw, HoldPlacesThePictureBetweenBlackBands)
{
    for (const SIZE& size : kSizes) {
        SCOPED_TRACE(testing::Message() << size.cx << "x" << size.cy);
        ShowFixture show(size.cx, size.cy);
        ASSERT_NE(show.m_pShow, nullptr);
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

TEST(SlideShowDraw, EachSlideStepIsThePictureScaledOnceAndMoved)
{
    for (const SIZE& size : kSizes) {
        SCOPED_TRACE(testing::Message() << size.cx << "x" << size.cy);
        ShowFixture show(size.cx, size.cy);
        ASSERT_NE(show.m_pShow, nullptr);
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

TEST(SlideShowDraw, DissolveTurnsExactlyTheSetCellsBlack)
{
    for (const SIZE& size : kSizes) {
        SCOPED_TRACE(testing::Message() << size.cx << "x" << size.cy);
        ShowFixture show(size.cx, size.cy);
        ASSERT_NE(show.m_pShow, nullptr);
        show.Set(PHASE_HOLD, 0);
        show.Repaint();
        const std::vector<uint32_t> hold = show.m_target.Pixels();

        show.Set(PHASE_DISSOLVE, 5);
        show.m_pShow->m_show.m_wPattern = SomeCells();
        show.Timer();
        EXPECT_EQ(CountPatternMismatches(show.m_target.Pixels(), hold, show.m_pShow->m_show.m_wPattern, size.cx), 0);

        // A repaint draws picture and bands first, then the same cells, even on a context whose
        // background colour was left black.
        show.m_target.Fill(kSentinel);
        SetBkColor(show.m_target.m_dc, RGB(0, 0, 0));
        show.Repaint();
        EXPECT_EQ(CountPatternMismatches(show.m_target.Pixels(), hold, show.m_pShow->m_show.m_wPattern, size.cx), 0);

        // A full pattern leaves everything black.
        show.m_pShow->m_show.m_wPattern.fill(kFullPatternRow);
        show.Timer();
        const std::vector<uint32_t> pixels = show.m_target.Pixels();
        EXPECT_EQ(std::count(pixels.begin(), pixels.end(), 0u), static_cast<long>(pixels.size()));
    }
}

// Two monitors of one size share the prepared picture at offsets the tile does not divide;
// through the steps of a dissolve and a repaint among them, every frame is the hold with the
// cells set so far black, the tile aligned with the window, the gaps between monitors included.
TEST(SlideShowDraw, DissolveStepsAndARepaintAmongThemKeepTheTileOnTheWindow)
{
    const std::vector<ShowArea> areas{{0, 0, 1000, 700}, {1003, 5, 1000, 700}};
    ShowFixture show(2006, 710, false, areas);
    ASSERT_NE(show.m_pShow, nullptr);
    ASSERT_EQ(show.m_pShow->m_areas, areas);
    show.Set(PHASE_HOLD, 0);
    show.Repaint();
    const std::vector<uint32_t> hold = show.m_target.Pixels();
    ShowState& state = show.m_pShow->m_show;
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

TEST(SlideShowDraw, NextDrawFollowsANewClientSize)
{
    ShowFixture show(800, 600);
    ASSERT_NE(show.m_pShow, nullptr);
    SetWindowPos(show.m_pShow->m_hWnd, nullptr, 0, 0, 1366, 768, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CDibTarget wide(1366, 768);
    show.Set(PHASE_HOLD, 0);
    PrintClient(show.m_pShow, wide.m_dc);
    const std::vector<uint32_t> picture = ScaledOnce(1024, 768);
    EXPECT_EQ(wide.At(170, 300), 0u);
    EXPECT_EQ(wide.At(171, 300), picture[300 * 1024]);
    EXPECT_EQ(wide.At(1194, 300), picture[300 * 1024 + 1023]);
    EXPECT_EQ(wide.At(1195, 300), 0u);
}

TEST(SlideShowDraw, MissingPictureKeepsItsTurnBlackAndNeverDrawsNull)
{
    ShowFixture show(1280, 1024, true);
    ASSERT_NE(show.m_pShow, nullptr);
    EXPECT_FALSE(show.m_pShow->m_pPicture->IsDecoded());
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
TEST(SlideShowDraw, EachAreaShowsTheSameFrameFittedToIt)
{
    const std::vector<ShowArea> areas{{0, 0, 1024, 700}, {1024, 50, 576, 432}};
    ShowFixture show(1600, 700, false, areas);
    ASSERT_NE(show.m_pShow, nullptr);
    ASSERT_EQ(show.m_pShow->m_areas, areas);
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

    // A new layout while it runs: the current picture is drawn fitted to the new monitors.
    const std::vector<ShowArea> moved{{0, 0, 800, 600}, {800, 0, 800, 700}};
    show.m_platform.m_monitors = moved;
    SendMessageW(show.m_pShow->m_hWnd, WM_DISPLAYCHANGE, 32, MAKELPARAM(1600, 700));
    ASSERT_EQ(show.m_pShow->m_areas, moved);
    show.m_target.Fill(kSentinel);
    show.Repaint();
    const std::vector<uint32_t> after = show.m_target.Pixels();
    EXPECT_EQ(CountWrongInArea(after, 1600, moved[0], 0, 0, 800, before, ScaledOnce(800, 600)), 0);
    EXPECT_EQ(CountWrongInArea(after, 1600, moved[1], 0, 0, 800, before, ScaledOnce(800, 600)), 0);
}

// Back to back, each change of picture waits for a late preparation rather than show another.
TEST(SlideShowDraw, TimerStepsRunTheCycleInPictureOrder)
{
    const PictureDecoder slowDecoder = [](HMODULE hModule, UINT nId) {
        Sleep(150);
        return LoadJpegResource(hModule, nId);
    };
    for (PictureDecoder pfnDecode : {slowDecoder, &NoPicture}) {
        CTestSlideShow* pShow = CreateHiddenShow(152, 112, pfnDecode);
        ASSERT_NE(pShow, nullptr);
        std::vector<int> shown;
        // Opening dissolve, then four pictures (slide, hold, dissolve): 33 + 4 * 45 steps.
        for (int i = 0; i < 33 + 4 * 45; ++i) {
            pShow->OnTimer(1);
            if (pShow->m_show.m_nPhase == PHASE_SLIDE_IN && pShow->m_show.m_nStep == 0) {
                ASSERT_NE(pShow->m_pPicture, nullptr);
                shown.push_back(pShow->m_pPicture->m_nPicture);
                EXPECT_EQ(pShow->m_pPicture->IsDecoded(), pfnDecode == slowDecoder);
                EXPECT_EQ(pShow->m_pNext, nullptr);
            }
        }
        EXPECT_EQ(shown, (std::vector<int>{0, 1, 2, 3, 0}));
        DestroyWindow(pShow->m_hWnd);
    }
}

// A window destroyed while a picture is being prepared leaves no thread, bitmap or job behind.
TEST(SlideShowDraw, DestroyWhilePreparingLeavesNothingBehind)
{
    const PictureDecoder slowDecoder = [](HMODULE hModule, UINT nId) {
        Sleep(100);
        return LoadJpegResource(hModule, nId);
    };
    DWORD nObjects = 0;
    for (int i = 0; i < 4; ++i) {
        CTestSlideShow* pShow = CreateHiddenShow(640, 480, slowDecoder);
        ASSERT_NE(pShow, nullptr);
        DestroyWindow(pShow->m_hWnd);
        MSG msg;
        EXPECT_FALSE(PeekMessageW(&msg, nullptr, WM_APP, WM_APP, PM_NOREMOVE));
        const DWORD nNow = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
        if (i > 0) {
            EXPECT_EQ(nNow, nObjects) << i;
        }
        nObjects = nNow;
    }
}
