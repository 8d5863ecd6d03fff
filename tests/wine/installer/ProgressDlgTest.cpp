// The progress dialog in-process under Wine: it ignores OK and Cancel while the worker runs,
// then shows the outcome in a message box captioned with the program's name and ends itself.
// A helper thread plays the user; the test thread runs the modal dialog.
#include "ProgressDlg.h"
#include "TestInstallerApp.h"
#include "ZipBuilder.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>

namespace {

const wchar_t kProgressTitle[] = L"\u30a4\u30f3\u30b9\u30c8\u30fc\u30eb\u72b6\u6cc1";  // インストール状況
const wchar_t kSuccessText[] = L"\u30a4\u30f3\u30b9\u30c8\u30fc\u30eb\u306b\u6210\u529f\u3057\u307e\u3057\u305f\u3002";
const wchar_t kFailureText[] = L"\u30a4\u30f3\u30b9\u30c8\u30fc\u30eb\u306b\u5931\u6557\u3057\u307e\u3057\u305f\u3002";

HWND WaitForWindow(const std::function<HWND()>& find)
{
    const DWORD nDeadline = GetTickCount() + 20000;
    HWND hWnd = nullptr;
    while (!(hWnd = find()) && GetTickCount() < nDeadline)
        Sleep(20);
    return hWnd;
}

HWND FindMessageBox()
{
    return FindWindowW(L"#32770", AfxGetApp()->m_strAppName.c_str());
}

std::wstring MessageBoxText(HWND hBox)
{
    wchar_t sz[256] = L"";
    GetDlgItemTextW(hBox, 0xFFFF, sz, 256);
    return sz;
}

struct Observed
{
    bool m_bSurvivedCommands = false;
    std::wstring m_strBoxText;
    bool m_bBoxOwnedByDialog = false;
};

// Presses OK, Cancel and Close on the running dialog, lets the worker go, then reads and
// dismisses the message box.
void PlayUser(HANDLE hGate, Observed& observed)
{
    // The dialog manager shows the dialog only once its queue is empty: wait for that.
    const HWND hDlg = WaitForWindow([] {
        const HWND hFound = FindWindowW(L"#32770", kProgressTitle);
        return IsWindowVisible(hFound) ? hFound : nullptr;
    });
    if (hDlg) {
        SendMessageW(hDlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        SendMessageW(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        SendMessageW(hDlg, WM_CLOSE, 0, 0);
        observed.m_bSurvivedCommands = IsWindow(hDlg) && IsWindowVisible(hDlg);
    }
    SetEvent(hGate);
    const HWND hBox = WaitForWindow(FindMessageBox);
    if (!hBox)
        return;
    observed.m_strBoxText = MessageBoxText(hBox);
    observed.m_bBoxOwnedByDialog = GetWindow(hBox, GW_OWNER) == hDlg;
    PostMessageW(hBox, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

Observed RunInstall(const std::string& strSource)
{
    const std::string strDir = ScratchDir(::testing::UnitTest::GetInstance()->current_test_info()->name());
    CTestInstallerApp& app = TestApp();
    app.Reset();
    app.m_strImage = ZipBuilder().Add("a.scr", "payload").Build();
    app.m_script.m_files.push_back(FileEntry{strSource, strDir + "a.scr"});
    const HANDLE hGate = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    app.m_hGate = hGate;

    Observed observed;
    std::thread user(PlayUser, hGate, std::ref(observed));
    CProgressDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDOK);
    user.join();
    EXPECT_EQ(dlg.m_worker.m_bRunning.load(), 0);
    CloseHandle(hGate);
    app.m_hGate = nullptr;
    return observed;
}

}  // namespace

TEST(ProgressDlg, IgnoresOkCancelAndCloseWhileRunningThenReportsSuccess)
{
    const Observed observed = RunInstall("a.scr");
    EXPECT_TRUE(observed.m_bSurvivedCommands);
    EXPECT_EQ(observed.m_strBoxText, kSuccessText);
    EXPECT_TRUE(observed.m_bBoxOwnedByDialog);
}

TEST(ProgressDlg, ReportsFailure)
{
    const Observed observed = RunInstall("missing.scr");
    EXPECT_TRUE(observed.m_bSurvivedCommands);
    EXPECT_EQ(observed.m_strBoxText, kFailureText);
}
