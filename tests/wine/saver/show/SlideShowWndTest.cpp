// Owning tier: in-process under Wine. What needs the show's window, driven through its
// messages: the relayout on a new size or new monitors, the cycle of pictures its timer steps
// run with a picture that does not decode or comes late, and its destruction (the pixels of
// each frame are ShowPainterTest's).
#include "TestSlideShow.h"

#include <gtest/gtest.h>

#include <tlhelp32.h>

#include <algorithm>
#include <vector>

TEST(SlideShowWnd, NextDrawFollowsANewClientSize)
{
    CSlideShowWnd* pShow = CreateHiddenShow(800, 600);
    ASSERT_NE(pShow, nullptr);
    int nSeen = 0;
    ASSERT_TRUE(AwaitPreparations(pShow->m_hWnd, nSeen, 1));
    SendTimerSteps(pShow->m_hWnd, kStepsToFirstHold);
    SetWindowPos(pShow->m_hWnd, nullptr, 0, 0, 1366, 768, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The next picture, prepared for the old size and dropped; then the current one anew.
    ASSERT_TRUE(AwaitPreparations(pShow->m_hWnd, nSeen, 3));
    CDibTarget wide(1366, 768);
    PrintClient(pShow->m_hWnd, wide.m_dc);
    const std::vector<uint32_t> picture = ScaledOnce(1024, 768);
    EXPECT_EQ(wide.At(170, 300), 0u);
    EXPECT_EQ(wide.At(171, 300), picture[300 * 1024]);
    EXPECT_EQ(wide.At(1194, 300), picture[300 * 1024 + 1023]);
    EXPECT_EQ(wide.At(1195, 300), 0u);
    DestroyWindow(pShow->m_hWnd);
}

// A new layout while it runs: the current picture is drawn fitted to the new monitors.
TEST(SlideShowWnd, ADisplayChangeFitsTheCurrentPictureToTheNewMonitors)
{
    CSaverPlatformFake platform;
    platform.m_monitors = {{0, 0, 1024, 700}, {1024, 50, 576, 432}};
    CSlideShowWnd* pShow = CreateHiddenShow(1600, 700, LoadJpegResource, &platform);
    ASSERT_NE(pShow, nullptr);
    int nSeen = 0;
    ASSERT_TRUE(AwaitPreparations(pShow->m_hWnd, nSeen, 1));
    SendTimerSteps(pShow->m_hWnd, kStepsToFirstHold);
    const std::vector<ShowArea> moved{{0, 0, 800, 600}, {800, 0, 800, 700}};
    platform.m_monitors = moved;
    SendMessageW(pShow->m_hWnd, WM_DISPLAYCHANGE, 32, MAKELPARAM(1600, 700));
    ASSERT_TRUE(AwaitPreparations(pShow->m_hWnd, nSeen, 3));
    CDibTarget target(1600, 700);
    const std::vector<uint32_t> before = target.Pixels();
    PrintClient(pShow->m_hWnd, target.m_dc);
    const std::vector<uint32_t> after = target.Pixels();
    EXPECT_EQ(CountWrongInArea(after, 1600, moved[0], 0, 0, 800, before, ScaledOnce(800, 600)), 0);
    EXPECT_EQ(CountWrongInArea(after, 1600, moved[1], 0, 0, 800, before, ScaledOnce(800, 600)), 0);
    DestroyWindow(pShow->m_hWnd);
}

// A picture that does not decode gives its turn to the next at once: the dissolve before it is
// followed by the next one's slide, with no black turn between. A late picture is waited for
// without a step: the window stays black and steps on from where it stood.
TEST(SlideShowWnd, AnUndecodablePictureIsSkippedAndALateOneWaitedForWithoutAStep)
{
    const PictureDecoder decoder = [](HMODULE hModule, UINT nId, const PictureNeed& need) {
        return nId == IDR_PICTURE1 + 2 ? nullptr : ColourPicture(hModule, nId, need);
    };
    CSlideShowWnd* pShow = CreateHiddenShow(152, 112, decoder, nullptr, ShowProgram{5, {}});
    ASSERT_NE(pShow, nullptr);
    const HWND hWnd = pShow->m_hWnd;
    CDibTarget target(152, 112);
    const auto centre = [&] {
        PrintClient(hWnd, target.m_dc);
        return target.At(76, 56);
    };
    // The opening dissolve, with the first picture still on its way: the window steps nothing
    // and shows black until it is there.
    SendTimerSteps(hWnd, kDissolveLastStep + 1 + 3);
    EXPECT_EQ(centre(), 0u);
    int nSeen = 0;
    ASSERT_TRUE(AwaitPreparations(hWnd, nSeen, 1));
    SendTimerSteps(hWnd, kSlideLastStep + 1);
    std::vector<uint32_t> shown{centre()};
    // Each hold asks for the next picture: one preparation, two where one does not decode.
    for (int nTotal : {2, 4, 5, 6}) {
        ASSERT_TRUE(AwaitPreparations(hWnd, nSeen, nTotal));
        SendTimerSteps(hWnd, kStepsPerPicture);
        shown.push_back(centre());
    }
    EXPECT_EQ(shown, (std::vector<uint32_t>{PictureColour(0), PictureColour(1), PictureColour(3), PictureColour(4),
                                            PictureColour(0)}));
    DestroyWindow(hWnd);
}

// When no picture decodes, the window is black once the opening dissolve is over and no timer
// is left to step it.
TEST(SlideShowWnd, WhenNoPictureDecodesTheWindowStaysBlackAndStepsNothing)
{
    CSlideShowWnd* pShow = CreateHiddenShow(152, 112, NoPicture, nullptr, ShowProgram{3, {}});
    ASSERT_NE(pShow, nullptr);
    const HWND hWnd = pShow->m_hWnd;
    int nSeen = 0;
    ASSERT_TRUE(AwaitPreparations(hWnd, nSeen, 3));
    SendTimerSteps(hWnd, kDissolveLastStep + 1);
    CDibTarget target(152, 112);
    PrintClient(hWnd, target.m_dc);
    const std::vector<uint32_t> pixels = target.Pixels();
    EXPECT_EQ(std::count(pixels.begin(), pixels.end(), 0u), static_cast<long>(pixels.size()));
    EXPECT_FALSE(KillTimer(hWnd, 1));
    DestroyWindow(hWnd);
}

namespace {

int CountThreads()
{
    const HANDLE hSnapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    int nThreads = 0;
    for (BOOL b = Thread32First(hSnapshot, &entry); b; b = Thread32Next(hSnapshot, &entry))
        nThreads += entry.th32OwnerProcessID == GetCurrentProcessId();
    CloseHandle(hSnapshot);
    return nThreads;
}

template <typename Pred>
bool PollUntil(Pred pred)
{
    const DWORD nStart = GetTickCount();
    while (!pred() && GetTickCount() - nStart < 20000)
        Sleep(10);
    return pred();
}

}  // namespace

// A window destroyed while its picture is being decoded does not wait for the decoder: the
// destruction returns while the decoder is still held, and once it lets go the picture's
// bitmaps and the thread go too, and nothing is posted to the window that is gone.
TEST(SlideShowWnd, DestroyWhilePreparingReturnsAtOnceAndLeavesNothingBehind)
{
    static HBITMAP s_decoded[3];
    static volatile LONG s_nDecoded = 0;
    static const HANDLE s_hDecoding = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    static const HANDLE s_hRelease = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    static LONG s_nHeldOut = 0;
    const PictureDecoder heldDecoder = [](HMODULE hModule, UINT nId, const PictureNeed& need) {
        SetEvent(s_hDecoding);
        // Held until the test lets go; a wait that runs out means the window waited for it.
        if (WaitForSingleObject(s_hRelease, 20000) != WAIT_OBJECT_0)
            InterlockedIncrement(&s_nHeldOut);
        const HBITMAP hBitmap = LoadJpegResource(hModule, nId, need);
        s_decoded[s_nDecoded] = hBitmap;
        InterlockedIncrement(&s_nDecoded);
        return hBitmap;
    };
    const int nThreadsBefore = CountThreads();
    for (int i = 0; i < 3; ++i) {
        ResetEvent(s_hRelease);
        CSlideShowWnd* pShow = CreateHiddenShow(640, 480, heldDecoder);
        ASSERT_NE(pShow, nullptr);
        ASSERT_EQ(WaitForSingleObject(s_hDecoding, 20000), WAIT_OBJECT_0);
        DestroyWindow(pShow->m_hWnd);
        SetEvent(s_hRelease);
        EXPECT_EQ(s_nHeldOut, 0) << "the destruction waited for the decoder";
        ASSERT_TRUE(PollUntil([&] { return s_nDecoded == i + 1; }));
    }
    EXPECT_TRUE(PollUntil([&] {
        return std::all_of(std::begin(s_decoded), std::end(s_decoded), [](HBITMAP h) { return GetObjectType(h) == 0; });
    })) << "a picture's bitmap outlived its window";
    EXPECT_TRUE(PollUntil([&] { return CountThreads() == nThreadsBefore; })) << "a worker thread outlived its window";
    MSG msg;
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, WM_APP, WM_APP, PM_NOREMOVE));
}
