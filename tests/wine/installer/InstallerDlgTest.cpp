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

const wchar_t kProgressTitle[] = L"\u30a4\u30f3\u30b9\u30c8\u30fc\u30eb\u72b6\u6cc1";  // インストール状況
const wchar_t kMainTitle[] = L"Test\u30a4\u30f3\u30b9\u30c8\u30fc\u30e9\u30fc";        // Testインストーラー

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

int CountThreadWindows(DWORD nThreadId, const wchar_t* pszTitle)
{
    struct Search
    {
        const wchar_t* m_pszTitle;
        int m_nCount;
    } search{pszTitle, 0};
    EnumThreadWindows(
        nThreadId,
        [](HWND hWnd, LPARAM lParam) {
            Search& s = *reinterpret_cast<Search*>(lParam);
            wchar_t sz[64] = L"";
            GetWindowTextW(hWnd, sz, 64);
            s.m_nCount += std::wstring(sz) == s.m_pszTitle;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.m_nCount;
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
    const DWORD nThreadId = GetCurrentThreadId();

    int nProgressDialogs = -1;
    Controls afterwards;
    std::thread user([&] {
        const HWND hMain = WaitForWindow([] { return FindWindowW(L"#32770", kMainTitle); });
        PostMessageW(hMain, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        WaitFor([&] { return ops.m_nExtracts > 0; });
        PostMessageW(hMain, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        PostMessageW(hMarker, WM_APP, 0, 0);
        WaitFor([] { return s_bMarkerSeen.load(); });
        nProgressDialogs = CountThreadWindows(nThreadId, kProgressTitle);
        SetEvent(hGate);
        // Dismisses every outcome box until the main dialog is alone and usable again.
        WaitFor([&] {
            if (const HWND hBox = FindWindowW(L"#32770", AfxGetApp()->m_strAppName.c_str()))
                PostMessageW(hBox, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            return CountThreadWindows(nThreadId, kProgressTitle) == 0 && IsWindowEnabled(GetDlgItem(hMain, IDCANCEL));
        });
        afterwards = ReadControls(hMain);
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
    EXPECT_EQ(nProgressDialogs, 1);
    EXPECT_EQ(ops.m_nExtracts.load(), 1);
    EXPECT_EQ(ops.m_nLaunches, 1);
    EXPECT_TRUE(afterwards.m_bOkEnabled);
    EXPECT_FALSE(afterwards.m_bCloseGrayed);
}
