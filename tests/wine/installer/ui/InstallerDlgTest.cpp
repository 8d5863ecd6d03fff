// The main dialog in-process under Wine. While an install runs its buttons and Close are off
// before the worker starts, and an install command queued meanwhile starts no second install.
// When its monitor changes scale (WM_DPICHANGED, which Wine itself never sends) it takes the
// suggested rectangle and shows its picture scaled, and back, freeing each picture it replaces.
// A helper thread plays the user or the system; the test thread runs the modal dialog.
#include "InstallTestSupport.h"
#include "ZipBuilder.h"
#include "ui/InstallerDlg.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

namespace {

const wchar_t kMainTitle[] = L"Test\u30a4\u30f3\u30b9\u30c8\u30fc\u30e9\u30fc";  // Testインストーラー

std::atomic<bool> s_bMarkerSeen{false};

LRESULT CALLBACK MarkerProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg == WM_APP)
        s_bMarkerSeen = true;
    return DefWindowProcW(hWnd, nMsg, wParam, lParam);
}

// A window of the dialog's thread: a message posted to it after another one to the dialog is
// dispatched after that one, by whichever modal loop runs.
HWND CreateMarkerWindow()
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = MarkerProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"OrderMarker";
    RegisterClassW(&wc);
    return CreateWindowW(L"OrderMarker", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
}

bool WaitFor(const std::function<bool()>& condition)
{
    return WaitForWindow([&] { return condition() ? HWND_MESSAGE : nullptr; }) != nullptr;
}

struct Controls
{
    bool m_bOkEnabled = true;
    bool m_bCancelEnabled = true;
    bool m_bCloseGrayed = false;
};

Controls ReadControls(HWND hMain)
{
    const UINT nClose = GetMenuState(GetSystemMenu(hMain, FALSE), SC_CLOSE, MF_BYCOMMAND);
    return Controls{IsWindowEnabled(GetDlgItem(hMain, IDOK)) != FALSE,
                    IsWindowEnabled(GetDlgItem(hMain, IDCANCEL)) != FALSE,
                    nClose != UINT(-1) && (nClose & MF_GRAYED) != 0};
}

HWND PictureControl(HWND hDlg)
{
    for (HWND hChild = GetWindow(hDlg, GW_CHILD); hChild; hChild = GetWindow(hChild, GW_HWNDNEXT))
        if ((GetWindowLongW(hChild, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP)
            return hChild;
    return nullptr;
}

HGDIOBJ ShownBitmap(HWND hDlg)
{
    return reinterpret_cast<HGDIOBJ>(SendMessageW(PictureControl(hDlg), STM_GETIMAGE, IMAGE_BITMAP, 0));
}

// "WxH" of the picture control, and whether the dialog stands at rcExpected.
std::string Describe(HWND hDlg, const RECT& rcExpected)
{
    RECT rcPicture{}, rcDlg{};
    GetWindowRect(PictureControl(hDlg), &rcPicture);
    GetWindowRect(hDlg, &rcDlg);
    return std::to_string(rcPicture.right - rcPicture.left) + "x" + std::to_string(rcPicture.bottom - rcPicture.top) +
           (EqualRect(&rcDlg, &rcExpected) ? " placed; " : " misplaced; ");
}

void ChangeDpi(HWND hDlg, UINT nDpi, const RECT& rcSuggested)
{
    SendMessageW(hDlg, WM_DPICHANGED, MAKEWPARAM(nDpi, nDpi), reinterpret_cast<LPARAM>(&rcSuggested));
}

void PlaySystem(std::string& strObserved)
{
    const HWND hDlg = WaitForWindow([] {
        const HWND hFound = FindWindowW(L"#32770", kMainTitle);
        return hFound && IsWindowVisible(hFound) ? hFound : nullptr;
    });
    if (!hDlg)
        return;
    RECT rcAt96{};
    GetWindowRect(hDlg, &rcAt96);
    const RECT rcAt144 = {rcAt96.left, rcAt96.top, rcAt96.left + (rcAt96.right - rcAt96.left) * 3 / 2,
                          rcAt96.top + (rcAt96.bottom - rcAt96.top) * 3 / 2};
    strObserved = Describe(hDlg, rcAt96);
    const HGDIOBJ hTemplatePicture = ShownBitmap(hDlg);
    ChangeDpi(hDlg, 144, rcAt144);
    strObserved += Describe(hDlg, rcAt144);
    const HGDIOBJ hScaledPicture = ShownBitmap(hDlg);
    ChangeDpi(hDlg, 96, rcAt96);
    strObserved += Describe(hDlg, rcAt96);
    // Wine counts no GDI objects per process: look at the handles themselves.
    strObserved += std::to_string(GetObjectType(hTemplatePicture)) + std::to_string(GetObjectType(hScaledPicture)) +
                   std::to_string(GetObjectType(ShownBitmap(hDlg)) == OBJ_BITMAP);
    PostMessageW(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

}  // namespace

TEST(InstallerDlg, ControlsAreOffWhenTheWorkerStartsAndAQueuedInstallCommandIsRefused)
{
    const std::string strDir = ScratchDir("InstallerDlg");
    CInstallOperationsFake ops;
    ops.m_strImage = ZipBuilder().Add("a.scr", "payload").Build();
    ops.m_files.push_back(FileEntry{"a.scr", strDir + "a.scr"});
    const HANDLE hGate = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ops.m_hGate = hGate;
    Controls atWorkerStart;
    ops.m_onExtract = [&] { atWorkerStart = ReadControls(FindWindowW(L"#32770", kMainTitle)); };
    const HWND hMarker = CreateMarkerWindow();

    bool bRestored = false;
    std::thread user([&] {
        const HWND hMain = WaitForWindow([] { return FindWindowW(L"#32770", kMainTitle); });
        PostMessageW(hMain, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        WaitFor([&] { return ops.m_nExtracts > 0; });
        PostMessageW(hMain, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        PostMessageW(hMarker, WM_APP, 0, 0);
        WaitFor([] { return s_bMarkerSeen.load(); });
        SetEvent(hGate);
        // Dismisses every outcome box until the main dialog is wholly usable again.
        bRestored = WaitFor([&] {
            if (const HWND hBox = FindWindowW(L"#32770", AfxGetApp()->m_strAppName.c_str()))
                PostMessageW(hBox, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            const Controls now = ReadControls(hMain);
            return now.m_bOkEnabled && now.m_bCancelEnabled && !now.m_bCloseGrayed;
        });
        PostMessageW(hMain, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    CInstallerDlg dlg(ops, "Test");
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    user.join();
    DestroyWindow(hMarker);
    CloseHandle(hGate);

    EXPECT_FALSE(atWorkerStart.m_bOkEnabled);
    EXPECT_FALSE(atWorkerStart.m_bCancelEnabled);
    EXPECT_TRUE(atWorkerStart.m_bCloseGrayed);
    EXPECT_EQ(ops.m_nExtracts.load(), 1);
    EXPECT_EQ(ops.m_nLaunches, 1);
    EXPECT_TRUE(bRestored);
    EXPECT_EQ(dlg.Outcome(), InstallerExitCode::Done) << "the last install's outcome is the run's";
}

TEST(InstallerDlg, FollowsDpiChangesWithItsPictureAndFreesTheOldOnes)
{
    CInstallOperationsFake ops;
    std::string strObserved;
    std::thread system(PlaySystem, std::ref(strObserved));
    CInstallerDlg dlg(ops, "Test");
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    system.join();
    // The last three: the template's picture and the scaled one are gone (type 0), a live
    // bitmap is shown (1).
    EXPECT_EQ(strObserved, "400x300 placed; 600x450 placed; 400x300 placed; 001");
}
