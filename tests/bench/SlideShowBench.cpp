// The show's timer steps on a full-screen window of the display's size, next to a HALFTONE
// stretch of the picture drawn anew at each step (what the steps avoid), the decode of a
// picture, and a soak of picture changes. Prints table rows; the script adds djpeg's time for
// the same picture.
//   slideshow-bench            rows of the steps at the display's size
//   slideshow-bench decode     median ms of 21 loads of picture 1
//   slideshow-bench soak N     N picture changes over two areas of different sizes
//   slideshow-bench off N      the show with the display reported off for N s: the timer
//                              steps it got and the process's CPU ms in that time
//   slideshow-bench scale      rows of our scaler against HALFTONE, preparing picture 1 for two
//                              screen sizes
#include "BenchSupport.h"
#include "JpegResource.h"
#include "PumpMessages.h"
#include "SaverResource.h"
#include "SlideShowWnd.h"

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
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

// The system's monitors, or the bench's own where it gives some.
class CBenchPlatform : public CSaverPlatform
{
public:
    std::vector<ShowArea> MonitorAreas() override
    {
        return m_monitors.empty() ? CSaverPlatform::MonitorAreas() : m_monitors;
    }

    std::vector<ShowArea> m_monitors;
};

CSlideShowWnd* CreateFullScreenShow(const std::vector<ShowArea>& monitors = {})
{
    // One show at a time: the platform outlives each.
    static CBenchPlatform s_platform;
    s_platform.m_monitors = monitors;
    CSlideShowWnd* pShow = new CSlideShowWnd(s_platform);
    const RECT rect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (!pShow->CreateEx(WS_EX_TOPMOST, AfxRegisterWndClass(0), nullptr, WS_POPUP | WS_VISIBLE, rect, nullptr, 0))
        return nullptr;
    PumpMessages();
    return pShow;
}

// As the hold would: lets a picture's preparation come back to the window (the show's message
// for it is WM_APP), within a deadline. Only those messages run, so that no timer step of the
// window's own comes between the bench's.
BOOL AwaitPreparedPictures(HWND hWnd, double dSeconds = 10)
{
    const double dDeadline = Seconds() + dSeconds;
    for (;;) {
        MSG msg;
        BOOL bAdopted = FALSE;
        while (PeekMessageW(&msg, hWnd, WM_APP, WM_APP, PM_REMOVE)) {
            DispatchMessageW(&msg);
            bAdopted = TRUE;
        }
        if (bAdopted || Seconds() >= dDeadline)
            return bAdopted;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_POSTMESSAGE);
    }
}

// One timer step of the window, as its timer would deliver it; `state` follows the show's
// state through the same step, so that the bench knows what each step was.
void StepWindow(HWND hWnd, ShowState& state)
{
    // Its own numbers: the cells it picks do not matter, and the window's stay its own.
    static unsigned s_nRandom = 1;
    StepShow(state, [] { return static_cast<int>(((s_nRandom = s_nRandom * 1103515245u + 12345u) >> 16) & 0x7FFF); });
    SendMessageW(hWnd, WM_TIMER, 1, 0);
}

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

// The dissolve step as the pattern brush drew it, over the whole window: two more cells each
// step, R2_MASKNOTPEN through an 8 x 8 pattern brush.
std::vector<double> TimePatternBrushSteps(HWND hWnd, int nWidth, int nHeight, int nCount)
{
    HDC hWindow = GetDC(hWnd);
    PatternRows wPattern{};
    std::vector<double> times;
    for (int i = 0; i < nCount; ++i) {
        if (i % 33 == 0)
            ClearPattern(wPattern);
        AddPatternCell(wPattern, std::rand);
        AddPatternCell(wPattern, std::rand);
        const double t = 1000.0 * Seconds();
        HBITMAP hPattern = CreateBitmap(8, 8, 1, 1, wPattern.data());
        HBRUSH hBrush = CreatePatternBrush(hPattern);
        const int nSaved = SaveDC(hWindow);
        SetBkColor(hWindow, RGB(255, 255, 255));
        SetTextColor(hWindow, RGB(0, 0, 0));
        SetBrushOrgEx(hWindow, 0, 0, nullptr);
        SelectObject(hWindow, hBrush);
        SetROP2(hWindow, R2_MASKNOTPEN);
        Rectangle(hWindow, -1, -1, nWidth + 1, nHeight + 1);
        RestoreDC(hWindow, nSaved);
        DeleteObject(hBrush);
        DeleteObject(hPattern);
        GdiFlush();
        times.push_back(1000.0 * Seconds() - t);
    }
    ReleaseDC(hWnd, hWindow);
    return times;
}

double ProcessCpuMs()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto ms = [](const FILETIME& t) {
        return static_cast<double>((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e4;
    };
    return ms(kernel) + ms(user);
}

// Full screen, with the first picture ready, then the display reported off as the platform
// reports it; the messages run as the program's loop would run them.
int BenchDisplayOff(int nSeconds)
{
    CSlideShowWnd* pShow = CreateFullScreenShow();
    if (pShow == nullptr)
        return 1;
    AwaitPreparedPictures(pShow->m_hWnd);
    DWORD nOff = 0;
    BYTE setting[sizeof(POWERBROADCAST_SETTING) + sizeof nOff] = {};
    reinterpret_cast<POWERBROADCAST_SETTING*>(setting)->PowerSetting = kMonitorPowerOn;
    reinterpret_cast<POWERBROADCAST_SETTING*>(setting)->DataLength = sizeof nOff;
    SendMessageW(pShow->m_hWnd, WM_POWERBROADCAST, PBT_POWERSETTINGCHANGE, reinterpret_cast<LPARAM>(setting));
    const double dCpu = ProcessCpuMs();
    const double dEnd = Seconds() + nSeconds;
    long nTimerSteps = 0;
    while (Seconds() < dEnd) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(1000 * (dEnd - Seconds())) + 1, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            nTimerSteps += msg.message == WM_TIMER;
            DispatchMessageW(&msg);
        }
    }
    std::printf("%ld %.0f\n", nTimerSteps, ProcessCpuMs() - dCpu);
    DestroyWindow(pShow->m_hWnd);
    return 0;
}

// What preparing a picture did before our scaler: a HALFTONE stretch into a DIB section.
BOOL HalftoneCopy(CBitmap& bmpCopy, const CBitmap& bmpPicture, int nWidth, int nHeight)
{
    if (!bmpCopy.CreateDIBSection(nWidth, nHeight))
        return FALSE;
    HDC hSource = CreateCompatibleDC(nullptr);
    HDC hCopy = CreateCompatibleDC(nullptr);
    HGDIOBJ hOldSource = SelectObject(hSource, bmpPicture);
    HGDIOBJ hOldCopy = SelectObject(hCopy, bmpCopy);
    SetStretchBltMode(hCopy, HALFTONE);
    SetBrushOrgEx(hCopy, 0, 0, nullptr);
    const BOOL bDrawn = StretchBlt(hCopy, 0, 0, nWidth, nHeight, hSource, 0, 0, 1024, 768, SRCCOPY);
    GdiFlush();
    SelectObject(hCopy, hOldCopy);
    SelectObject(hSource, hOldSource);
    DeleteDC(hCopy);
    DeleteDC(hSource);
    return bDrawn;
}

// Both ways taken in turn, so that the load of the machine falls on both alike.
int BenchScale()
{
    CBitmap bmpPicture;
    bmpPicture.Attach(LoadJpegResource(nullptr, IDR_PICTURE1));
    for (const SIZE& screen : {SIZE{1920, 1080}, SIZE{3840, 2160}}) {
        const ShowGeometry g = ComputeGeometry(screen.cx, screen.cy, 1024, 768);
        std::vector<double> ours, halftone;
        for (int i = 0; i < 15; ++i) {
            CBitmap bmpOurs, bmpHalftone;
            double t = 1000.0 * Seconds();
            if (!bmpOurs.CreateScaledCopy(bmpPicture, g.m_nWidth, g.m_nHeight))
                return 1;
            ours.push_back(1000.0 * Seconds() - t);
            t = 1000.0 * Seconds();
            if (!HalftoneCopy(bmpHalftone, bmpPicture, g.m_nWidth, g.m_nHeight))
                return 1;
            halftone.push_back(1000.0 * Seconds() - t);
        }
        const Stats o = Summarise(ours);
        const Stats h = Summarise(halftone);
        std::printf(
            "| picture 1 prepared for %ldx%ld (1024x768 to %dx%d): our scaler, median / max of 15 | %.2f / %.2f "
            "ms | HALFTONE stretch into a DIB section: %.2f / %.2f ms | %.2f | <= 1.00 |\n",
            screen.cx, screen.cy, g.m_nWidth, g.m_nHeight, o.m_dMedian, o.m_dMax, h.m_dMedian, h.m_dMax,
            o.m_dMedian / h.m_dMedian);
    }
    return 0;
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
    CSlideShowWnd* pShow = CreateFullScreenShow();
    if (pShow == nullptr)
        return 1;
    const HWND hWnd = pShow->m_hWnd;
    // Every picture prepared for the window as it was made and laid out: one late at the first
    // swap would hold the window's steps back behind the bench's own count for good.
    while (AwaitPreparedPictures(hWnd, 1)) {
    }
    ShowState state;

    // Three whole cycles of four pictures, step by step as the timer would drive them.
    std::vector<double> slide, dissolve, ending, firstSlide;
    const int nSteps = 33 + 3 * 4 * 45;
    for (int i = 0; i < nSteps; ++i) {
        const ShowState before = state;
        // The hold, of seconds in the show, is where the next picture gets ready.
        if (before.m_nPhase == PHASE_HOLD)
            AwaitPreparedPictures(hWnd);
        const double t = 1000.0 * Seconds();
        StepWindow(hWnd, state);
        GdiFlush();
        const double dElapsed = 1000.0 * Seconds() - t;
        if (before.m_nPhase == PHASE_SLIDE_IN)
            (before.m_nStep == 0 ? firstSlide : slide).push_back(dElapsed);
        else if (before.m_nPhase == PHASE_DISSOLVE)
            (before.m_nStep == kDissolveLastStep ? ending : dissolve).push_back(dElapsed);
    }
    const Stats stretch = Summarise(TimeStretches(hWnd, nWidth, nHeight, 101));
    const Stats brush = Summarise(TimePatternBrushSteps(hWnd, nWidth, nHeight, 3 * 4 * 32));
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
    std::printf("| dissolve step at %dx%d, median / max of %zu | %.2f / %.2f ms | the pattern brush over the whole "
                "window per step: %.2f / %.2f ms | %.2f | %s |\n",
                nWidth, nHeight, dissolve.size(), d.m_dMedian, d.m_dMax, brush.m_dMedian, brush.m_dMax,
                d.m_dMedian / brush.m_dMedian,
                bHd    ? "<= 1 ms"
                : bUhd ? "<= 3 ms"
                       : "");
    std::printf("| step that ends a dissolve (swaps in the prepared picture) at %dx%d, median / max of %zu | %.2f / "
                "%.2f ms | step period 50 ms "
                "| %.2f | %s |\n",
                nWidth, nHeight, ending.size(), e.m_dMedian, e.m_dMax, e.m_dMax / 50.0, bHd ? "<= 50 ms" : "");
    std::printf("| first slide step at %dx%d, median / max of %zu | %.2f / %.2f ms | step period 50 ms "
                "| %.2f | %s |\n",
                nWidth, nHeight, firstSlide.size(), f.m_dMedian, f.m_dMax, f.m_dMax / 50.0, bHd ? "<= 50 ms" : "");
    return 0;
}

struct Resources
{
    DWORD m_nGdi;
    DWORD m_nUser;
    SIZE_T m_nPrivateKb;
};

// Wine reports no private usage: there the process's own Linux figures stand in.
SIZE_T LinuxPrivateKb()
{
    FILE* pFile = std::fopen("Z:\\proc\\self\\smaps_rollup", "r");
    if (pFile == nullptr)
        return 0;
    SIZE_T nKb = 0;
    char szLine[256];
    while (std::fgets(szLine, sizeof szLine, pFile) != nullptr) {
        unsigned long nValue = 0;
        if (std::sscanf(szLine, "Private_Clean: %lu", &nValue) == 1 ||
            std::sscanf(szLine, "Private_Dirty: %lu", &nValue) == 1)
            nKb += nValue;
    }
    std::fclose(pFile);
    return nKb;
}

Resources MeasureResources()
{
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
    const SIZE_T nPrivateKb = counters.PrivateUsage != 0 ? counters.PrivateUsage / 1024 : LinuxPrivateKb();
    return Resources{GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS),
                     GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), nPrivateKb};
}

// Picture changes one after another, each with the cycle's steps around it that swap, draw
// and start the next preparation; the figures after the first change against those after the
// last.
int BenchSoak(int nChanges)
{
    CSlideShowWnd* pShow = CreateFullScreenShow({{0, 0, 1280, 1024}, {1280, 0, 640, 480}});
    if (pShow == nullptr)
        return 1;
    const HWND hWnd = pShow->m_hWnd;
    ShowState state;
    Resources start{};
    for (int i = 0; i < nChanges; ++i) {
        // To the step after the hold's, which starts the next picture's preparation; the picture
        // is there before the dissolve ends, as the hold would have it.
        do {
            if (state.m_nPhase == PHASE_DISSOLVE && state.m_nStep == kDissolveLastStep)
                AwaitPreparedPictures(hWnd);
            StepWindow(hWnd, state);
        } while (state.m_nPhase != PHASE_HOLD);
        if (i == 0)
            start = MeasureResources();
    }
    const Resources end = MeasureResources();
    DestroyWindow(pShow->m_hWnd);
    // Wine's GetGuiResources is a stub that says 0: no count at all is no evidence of a flat one.
    if (end.m_nGdi == 0 && end.m_nUser == 0 && start.m_nGdi == 0 && start.m_nUser == 0)
        std::printf("| soak: %d picture changes over two areas (1280x1024, 640x480), GDI / USER objects after the "
                    "first and the last | not measured: GetGuiResources gives 0 here (Wine) | | | flat |\n",
                    nChanges);
    else
        std::printf("| soak: %d picture changes over two areas (1280x1024, 640x480), GDI / USER objects after the "
                    "first and the last | %lu / %lu | %lu / %lu | | flat |\n",
                    nChanges, end.m_nGdi, end.m_nUser, start.m_nGdi, start.m_nUser);
    std::printf("| soak: private bytes after the first and the last change | %zu KB | %zu KB | %.2f | flat |\n",
                static_cast<size_t>(end.m_nPrivateKb), static_cast<size_t>(start.m_nPrivateKb),
                static_cast<double>(end.m_nPrivateKb) / static_cast<double>(start.m_nPrivateKb));
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "decode") == 0)
        return BenchDecode();
    if (argc > 1 && std::strcmp(argv[1], "off") == 0)
        return BenchDisplayOff(argc > 2 ? std::atoi(argv[2]) : 30);
    if (argc > 1 && std::strcmp(argv[1], "scale") == 0)
        return BenchScale();
    if (argc > 1 && std::strcmp(argv[1], "soak") == 0)
        return BenchSoak(argc > 2 ? std::atoi(argv[2]) : 2000);
    return BenchSteps();
}
