// The show's timer steps on a full-screen window of the display's size, next to a HALFTONE
// stretch of the picture drawn anew at each step (what the steps avoid), and the decode of a
// picture. Prints table rows; the script adds djpeg's time for the same picture.
//   slideshow-bench            rows of the steps at the display's size
//   slideshow-bench decode     median ms of 21 loads of picture 1
#include "BenchSupport.h"
#include "JpegResource.h"
#include "PumpMessages.h"
#include "SaverResource.h"
#include "SlideShowWnd.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

struct Stats
{
    double m_dMedian;
    double m_dMax;
};

Stats Summarise(std::vector<double> times)
{
    if (times.empty())
        return Stats{0, 0};
    std::sort(times.begin(), times.end());
    return Stats{times[times.size() / 2], times.back()};
}

class CBenchShow : public CSlideShowWnd
{
public:
    using CSlideShowWnd::m_show;
    using CSlideShowWnd::OnTimer;
};

// A HALFTONE stretch of the whole picture into its place at each step, as a show without the
// scaled copy would draw a slide step.
std::vector<double> TimeStretches(HWND hWnd, int nWidth, int nHeight, int nCount)
{
    HBITMAP hPicture = LoadJpegResource(nullptr, IDR_PICTURE1);
    HDC hWindow = GetDC(hWnd);
    HDC hSource = CreateCompatibleDC(hWindow);
    HGDIOBJ hOld = SelectObject(hSource, hPicture);
    const ShowGeometry g = ComputeGeometry(nWidth, nHeight, 1024, 768);
    std::vector<double> times;
    for (int i = 0; i < nCount; ++i) {
        const int x = ComputeSlideLeft(g, nWidth, i % 11);
        const double t = 1000.0 * Seconds();
        SetStretchBltMode(hWindow, HALFTONE);
        SetBrushOrgEx(hWindow, 0, 0, nullptr);
        StretchBlt(hWindow, x, g.m_nTop, g.m_nWidth, g.m_nHeight, hSource, 0, 0, 1024, 768, SRCCOPY);
        GdiFlush();
        times.push_back(1000.0 * Seconds() - t);
    }
    SelectObject(hSource, hOld);
    DeleteDC(hSource);
    ReleaseDC(hWnd, hWindow);
    DeleteObject(hPicture);
    return times;
}

int BenchDecode()
{
    std::vector<double> times;
    for (int i = 0; i < 21; ++i) {
        const double t = 1000.0 * Seconds();
        HBITMAP hBitmap = LoadJpegResource(nullptr, IDR_PICTURE1);
        times.push_back(1000.0 * Seconds() - t);
        if (hBitmap == nullptr)
            return 1;
        DeleteObject(hBitmap);
    }
    std::printf("%.3f\n", Summarise(times).m_dMedian);
    return 0;
}

int BenchSteps()
{
    const int nWidth = GetSystemMetrics(SM_CXSCREEN);
    const int nHeight = GetSystemMetrics(SM_CYSCREEN);
    CBenchShow* pShow = new CBenchShow;
    const RECT rect{0, 0, nWidth, nHeight};
    if (!pShow->CreateEx(WS_EX_TOPMOST, AfxRegisterWndClass(0), nullptr, WS_POPUP | WS_VISIBLE, rect, nullptr, 0))
        return 1;
    const HWND hWnd = pShow->m_hWnd;
    PumpMessages();

    // Three whole cycles of four pictures, step by step as the timer would drive them.
    std::vector<double> slide, dissolve, ending, firstSlide;
    const int nSteps = 33 + 3 * 4 * 45;
    for (int i = 0; i < nSteps; ++i) {
        const ShowState before = pShow->m_show;
        const double t = 1000.0 * Seconds();
        pShow->OnTimer(1);
        GdiFlush();
        const double dElapsed = 1000.0 * Seconds() - t;
        if (before.m_nPhase == PHASE_SLIDE_IN)
            (before.m_nStep == 0 ? firstSlide : slide).push_back(dElapsed);
        else if (before.m_nPhase == PHASE_DISSOLVE)
            (before.m_nStep == kDissolveLastStep ? ending : dissolve).push_back(dElapsed);
    }
    const Stats stretch = Summarise(TimeStretches(hWnd, nWidth, nHeight, 101));
    DestroyWindow(hWnd);

    const bool bHd = nWidth == 1920 && nHeight == 1080;
    const bool bUhd = nWidth == 3840 && nHeight == 2160;
    const char* pszSlideGoal = bHd ? "<= 5 ms" : bUhd ? "<= 20 ms" : "";
    const Stats s = Summarise(slide);
    const Stats d = Summarise(dissolve);
    const Stats e = Summarise(ending);
    const Stats f = Summarise(firstSlide);
    std::printf(
        "| slide step at %dx%d, median / max of %zu | %.2f / %.2f ms | HALFTONE stretch per step: %.2f / %.2f ms "
        "| %.2f | %s |\n",
        nWidth, nHeight, slide.size(), s.m_dMedian, s.m_dMax, stretch.m_dMedian, stretch.m_dMax,
        s.m_dMedian / stretch.m_dMedian, pszSlideGoal);
    std::printf("| dissolve step at %dx%d, median / max of %zu | %.2f / %.2f ms | HALFTONE stretch per step: %.2f ms "
                "| %.2f | <= 2 ms |\n",
                nWidth, nHeight, dissolve.size(), d.m_dMedian, d.m_dMax, stretch.m_dMedian,
                d.m_dMedian / stretch.m_dMedian);
    std::printf(
        "| step that ends a dissolve (decode) at %dx%d, median / max of %zu | %.2f / %.2f ms | step period 50 ms "
        "| %.2f | %s |\n",
        nWidth, nHeight, ending.size(), e.m_dMedian, e.m_dMax, e.m_dMax / 50.0, bHd ? "<= 50 ms" : "");
    std::printf("| first slide step (scaling once) at %dx%d, median / max of %zu | %.2f / %.2f ms | step period 50 ms "
                "| %.2f | %s |\n",
                nWidth, nHeight, firstSlide.size(), f.m_dMedian, f.m_dMax, f.m_dMax / 50.0, bHd ? "<= 50 ms" : "");
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "decode") == 0)
        return BenchDecode();
    return BenchSteps();
}
