#include "JpegResource.h"
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
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = nWidth;
        info.bmiHeader.biHeight = -nHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* pBits = nullptr;
        m_hBitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
        m_pBits = static_cast<uint32_t*>(pBits);
        m_hOld = SelectObject(m_dc, m_hBitmap);
        Fill(kSentinel);
    }
    ~CDibTarget()
    {
        SelectObject(m_dc, m_hOld);
        DeleteObject(m_hBitmap);
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
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOld = nullptr;
    uint32_t* m_pBits = nullptr;
    CDC m_cdc{m_dc};
};

// Picture 1 stretched whole, once, to dw x dh: what every step must show, only moved.
std::vector<uint32_t> StretchedOnce(int nWidth, int nHeight)
{
    CDibTarget target(nWidth, nHeight);
    HBITMAP hPicture = LoadJpegResource(nullptr, IDR_PICTURE1);
    HDC hSource = CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = SelectObject(hSource, hPicture);
    SetStretchBltMode(target.m_dc, HALFTONE);
    SetBrushOrgEx(target.m_dc, 0, 0, nullptr);
    StretchBlt(target.m_dc, 0, 0, nWidth, nHeight, hSource, 0, 0, 1024, 768, SRCCOPY);
    SelectObject(hSource, hOld);
    DeleteDC(hSource);
    DeleteObject(hPicture);
    return target.Pixels();
}

struct ShowFixture
{
    ShowFixture(int nWidth, int nHeight, bool bMissing = false)
        : m_pShow(CreateHiddenShow(nWidth, nHeight, bMissing))
        , m_target(nWidth, nHeight)
        , m_geometry(ComputeGeometry(nWidth, nHeight, bMissing ? 1 : 1024, bMissing ? 1 : 768))
    {
        m_pShow->m_show.m_nPicture = 0;
        m_pShow->LoadPicture();
    }
    ~ShowFixture() { DestroyWindow(m_pShow->m_hWnd); }

    void Set(int nPhase, int nStep) { m_pShow->m_show.m_nPhase = nPhase, m_pShow->m_show.m_nStep = nStep; }
    void Timer() { m_pShow->DrawFrame(*m_target.Dc(), m_pShow->m_show, FALSE); }
    void Repaint() { m_pShow->DrawShow(m_target.Dc(), TRUE); }

    // Checks every pixel: the picture (stretched once) at x, black in the columns of
    // [nBlackFrom, nBlackTo) beside it, the rest of the client (above and below it) as before.
    void ExpectPictureAt(int x, int nBlackFrom, int nBlackTo, const std::vector<uint32_t>& before,
                         const std::vector<uint32_t>& picture)
    {
        const std::vector<uint32_t> pixels = m_target.Pixels();
        const ShowGeometry& g = m_geometry;
        int nWrong = 0;
        for (int y = 0; y < m_target.m_nHeight; ++y)
            for (int cx = 0; cx < m_target.m_nWidth; ++cx) {
                uint32_t nExpected = before[y * m_target.m_nWidth + cx];
                const bool bPictureRows = y >= g.m_nTop && y < g.m_nTop + g.m_nHeight;
                const bool bPictureColumns = cx >= x && cx < x + g.m_nWidth;
                // Above and below the picture nothing is drawn; band fills take the full height.
                if (bPictureColumns && bPictureRows)
                    nExpected = picture[(y - g.m_nTop) * g.m_nWidth + (cx - x)];
                else if (!bPictureColumns && cx >= nBlackFrom && cx < nBlackTo)
                    nExpected = 0;
                nWrong += pixels[y * m_target.m_nWidth + cx] != nExpected;
            }
        EXPECT_EQ(nWrong, 0) << "picture at " << x;
    }

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
        const std::vector<uint32_t> picture = StretchedOnce(show.m_geometry.m_nWidth, show.m_geometry.m_nHeight);
        show.Set(PHASE_HOLD, 0);
        show.Repaint();
        // Bands left and right are black over the full height; above and below stay as they were.
        const ShowGeometry& g = show.m_geometry;
        show.ExpectPictureAt(g.m_nLeft, 0, size.cx, before, picture);
        EXPECT_EQ(show.m_target.At(0, 0), g.m_nLeft > 0 ? 0u : g.m_nTop > 0 ? kSentinel : picture[0]);
    }
}

TEST(SlideShowDraw, EachSlideStepIsThePictureStretchedOnceAndMoved)
{
    for (const SIZE& size : kSizes) {
        SCOPED_TRACE(testing::Message() << size.cx << "x" << size.cy);
        ShowFixture show(size.cx, size.cy);
        ASSERT_NE(show.m_pShow, nullptr);
        const ShowGeometry& g = show.m_geometry;
        const std::vector<uint32_t> picture = StretchedOnce(g.m_nWidth, g.m_nHeight);
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

TEST(SlideShowDraw, NextDrawFollowsANewClientSize)
{
    ShowFixture show(800, 600);
    ASSERT_NE(show.m_pShow, nullptr);
    SetWindowPos(show.m_pShow->m_hWnd, nullptr, 0, 0, 1366, 768, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CDibTarget wide(1366, 768);
    show.Set(PHASE_HOLD, 0);
    show.m_pShow->DrawShow(wide.Dc(), TRUE);
    const std::vector<uint32_t> picture = StretchedOnce(1024, 768);
    EXPECT_EQ(wide.At(170, 300), 0u);
    EXPECT_EQ(wide.At(171, 300), picture[300 * 1024]);
    EXPECT_EQ(wide.At(1194, 300), picture[300 * 1024 + 1023]);
    EXPECT_EQ(wide.At(1195, 300), 0u);
}

TEST(SlideShowDraw, MissingPictureKeepsItsTurnBlackAndNeverDrawsNull)
{
    ShowFixture show(1280, 1024, true);
    ASSERT_NE(show.m_pShow, nullptr);
    EXPECT_EQ(show.m_pShow->m_bmpPicture.GetSafeHandle(), nullptr);
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
    show.m_pShow->DrawShow(nullptr, TRUE);  // draws nothing, and does not fail
}

TEST(SlideShowDraw, TimerStepsRunTheCycleInPictureOrder)
{
    for (bool bMissing : {false, true}) {
        CTestSlideShow* pShow = CreateHiddenShow(152, 112, bMissing);
        ASSERT_NE(pShow, nullptr);
        // Opening dissolve, then four pictures (slide, hold, dissolve): 33 + 4 * 45 steps.
        for (int i = 0; i < 33 + 4 * 45; ++i)
            pShow->OnTimer(1);
        EXPECT_EQ(pShow->m_loaded, (std::vector<UINT>{1, 2, 3, 4, 1}));
        EXPECT_EQ(pShow->m_bmpPicture.GetSafeHandle() == nullptr, bMissing);
        DestroyWindow(pShow->m_hWnd);
    }
}
