// The main dialog in-process under Wine while an install runs: its buttons and Close are off
// before the worker starts, and an install command queued meanwhile starts no second install.
// A helper thread plays the user; the test thread runs the modal dialog.
#include "InstallTestSupport.h"
#include "InstallerDlg.h"
#include "ZipBuilder.h"

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

}  // namespace

TEST(InstallerDlg, ControlsAreOffWhenTheWorkerStartsAndAQueuedInstallCommandIsRefused)
{
    const std::string strDir = ScratchDir("InstallerDlg");
    TheApp().m_script = CInstallScript();
    TheApp().m_script.m_strDisplayName = "Test";
    CFakeOperations ops;
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
    CInstallerDlg dlg(ops);
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
}
