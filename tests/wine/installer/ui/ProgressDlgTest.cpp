// The progress dialog in-process under Wine: it ignores OK and Cancel while the worker runs,
// then shows the outcome in a message box captioned with the program's name and ends itself;
// a quit message ends it only once the worker is done; one that cannot be made is a failure. A helper thread plays the
// user; the test thread runs the modal dialog.
#include "DisplayText.h"
#include "InstallTestSupport.h"
#include "ZipBuilder.h"
#include "resource/InstallerResource.h"
#include "ui/ProgressDlg.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>

namespace {

const wchar_t kProgressTitle[] = L"\u30a4\u30f3\u30b9\u30c8\u30fc\u30eb\u72b6\u6cc1";  // インストール状況

HWND FindProgressDialog()
{
    return FindWindowW(L"#32770", kProgressTitle);
}

// The dialog manager shows the dialog only once its loop first runs dry.
HWND FindShownProgressDialog()
{
    const HWND hDlg = FindProgressDialog();
    return hDlg && IsWindowVisible(hDlg) ? hDlg : nullptr;
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
    const HWND hDlg = WaitForWindow(FindShownProgressDialog);
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

class ProgressDlg : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const std::string strDir = ScratchDir(::testing::UnitTest::GetInstance()->current_test_info()->name());
        m_ops.m_strImage = ZipBuilder().Add("a.scr", "payload").Build();
        m_strDestination = strDir + "a.scr";
        m_hGate = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        m_ops.m_hGate = m_hGate;
    }

    void TearDown() override { CloseHandle(m_hGate); }

    Observed RunInstall(const std::string& strSource)
    {
        m_ops.m_files.push_back(FileEntry{strSource, m_strDestination});
        Observed observed;
        std::thread user(PlayUser, m_hGate, std::ref(observed));
        CProgressDlg dlg(m_ops);
        EXPECT_EQ(dlg.DoModal(), IDOK);
        user.join();
        EXPECT_EQ(dlg.m_worker.m_bRunning.load(), 0);
        return observed;
    }

    CInstallOperationsFake m_ops;
    std::string m_strDestination;
    HANDLE m_hGate = nullptr;
};

}  // namespace

TEST_F(ProgressDlg, IgnoresOkCancelAndCloseWhileRunningThenReportsSuccess)
{
    const Observed observed = RunInstall("a.scr");
    EXPECT_TRUE(observed.m_bSurvivedCommands);
    EXPECT_EQ(observed.m_strBoxText, LoadResourceString(IDS_INSTALL_DONE));
    EXPECT_TRUE(observed.m_bBoxOwnedByDialog);
    EXPECT_EQ(m_ops.m_nLaunches, 1);
}

TEST_F(ProgressDlg, ReportsFailure)
{
    const Observed observed = RunInstall("missing.scr");
    EXPECT_TRUE(observed.m_bSurvivedCommands);
    EXPECT_EQ(observed.m_strBoxText, LoadResourceString(IDS_INSTALL_FAILED));
    EXPECT_EQ(m_ops.m_nLaunches, 0);
}

TEST_F(ProgressDlg, AQuitMessageEndsTheDialogOnlyAfterTheWorkerAndStaysQueued)
{
    m_ops.m_files.push_back(FileEntry{"a.scr", m_strDestination});
    const DWORD nThreadId = GetCurrentThreadId();
    bool bDialogGoneWhileWorkerWaited = false;
    // Ends the dialog with a quit message while the worker waits; lets the worker go only
    // once the dialog's window is gone.
    std::thread other([&] {
        const HWND hDlg = WaitForWindow(FindProgressDialog);
        PostThreadMessageW(nThreadId, WM_QUIT, 7, 0);
        bDialogGoneWhileWorkerWaited = hDlg && WaitForWindow([hDlg] { return IsWindow(hDlg) ? nullptr : hDlg; });
        SetEvent(m_hGate);
    });
    {
        CProgressDlg dlg(m_ops);
        dlg.DoModal();
        EXPECT_EQ(dlg.m_worker.m_bRunning.load(), 0) << "the worker must be done when the dialog returns";
        EXPECT_EQ(dlg.m_worker.m_nResult.load(), 0);
    }
    other.join();
    EXPECT_TRUE(bDialogGoneWhileWorkerWaited);
    EXPECT_EQ(ReadWholeFile(m_strDestination), "payload");
    EXPECT_EQ(m_ops.m_nLaunches, 0);
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
}

TEST_F(ProgressDlg, ADialogThatCannotBeMadeIsAFailure)
{
    m_ops.m_files.push_back(FileEntry{"a.scr", m_strDestination});
    // An owner that is gone: the dialog manager refuses to make the dialog.
    CWnd gone;
    gone.m_hWnd = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(gone.m_hWnd);
    CProgressDlg dlg(m_ops, &gone);
    const INT_PTR nResult = dlg.DoModal();
    EXPECT_TRUE(nResult == 0 || nResult == -1) << nResult;
    EXPECT_EQ(dlg.m_worker.m_bRunning.load(), 0);
    EXPECT_NE(dlg.m_worker.m_nResult.load(), 0);
    EXPECT_EQ(m_ops.m_nExtracts.load(), 0);
}
