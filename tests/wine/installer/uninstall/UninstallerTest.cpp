// The uninstall in-process under Wine: removal of installed files (one in use is left to the
// next restart and the outcome box says so), the two boxes, and what is left afterwards; the
// cleanup copy's tries, each under the installers' lock and after a look for a new install; an
// install taking such a removal back, its name read as the A calls read it (once more under
// another ANSI code page: wine_restart_removals_cp1252).
#include "DisplayText.h"
#include "InstallTestSupport.h"
#include "install/PlannedOperations.h"
#include "install/RestartRemovals.h"
#include "registration/ProgramsListEntry.h"
#include "registration/SaverSetting.h"
#include "resource/InstallerResource.h"
#include "rules/ProgramsListValues.h"
#include "uninstall/FileRemoval.h"
#include "uninstall/SelfDeletion.h"
#include "uninstall/Uninstaller.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

// "アンインストールが完了しました。使用中のファイルは次回の再起動時に削除されます。"
const wchar_t kDoneAtRestart[] = L"\u30a2\u30f3\u30a4\u30f3\u30b9\u30c8\u30fc\u30eb\u304c\u5b8c\u4e86\u3057\u307e"
                                 L"\u3057\u305f\u3002\u4f7f\u7528\u4e2d\u306e\u30d5\u30a1\u30a4\u30eb\u306f\u6b21"
                                 L"\u56de\u306e\u518d\u8d77\u52d5\u6642\u306b\u524a\u9664\u3055\u308c\u307e\u3059"
                                 L"\u3002";
// "Orvantaをアンインストールしますか？"
const wchar_t kConfirm[] = L"Orvanta\u3092\u30a2\u30f3\u30a4\u30f3\u30b9\u30c8\u30fc\u30eb\u3057\u307e\u3059\u304b"
                           L"\uff1f";

HWND WaitForBox(HWND hNot)
{
    const DWORD nDeadline = GetTickCount() + 20000;
    for (;;) {
        const HWND hBox = FindWindowW(L"#32770", AfxGetApp()->m_strAppName.c_str());
        if ((hBox && hBox != hNot && IsWindowVisible(hBox)) || GetTickCount() >= nDeadline)
            return hBox != hNot ? hBox : nullptr;
        Sleep(20);
    }
}

std::wstring BoxText(HWND hBox)
{
    wchar_t sz[512] = L"";
    GetDlgItemTextW(hBox, 0xFFFF, sz, 512);
    return sz;
}

std::wstring PendingRenames()
{
    wchar_t sz[8192] = L"";
    DWORD nSize = sizeof(sz) - 2 * sizeof(wchar_t);
    RegGetValueW(HKEY_LOCAL_MACHINE, L"System\\CurrentControlSet\\Control\\Session Manager",
                 L"PendingFileRenameOperations", RRF_RT_REG_MULTI_SZ, nullptr, sz, &nSize);
    std::wstring strAll(sz, nSize / sizeof(wchar_t));
    for (wchar_t& c : strAll)
        if (c == L'\0')
            c = L'|';
    return strAll;
}

DWORD WINAPI EndAtOnce(LPVOID)
{
    return 0;
}

// A handle to a thread that has ended, as the cleanup copy gets its uninstaller's.
unsigned long long EndedHandle()
{
    const HANDLE hThread = CreateThread(nullptr, 0, EndAtOnce, nullptr, 0, nullptr);
    WaitForSingleObject(hThread, 20000);
    return reinterpret_cast<UINT_PTR>(hThread);
}

}  // namespace

TEST(FileRemoval, RemovesFilesLeavesFoldersAndDefersFilesInUse)
{
    const std::string strDir = ScratchDir("FileRemoval");
    EXPECT_EQ(RemoveInstalledFile(strDir + "none.scr"), FileRemoval::Missing);
    CreateDirectoryA((strDir + "folder.scr").c_str(), nullptr);
    EXPECT_EQ(RemoveInstalledFile(strDir + "folder.scr"), FileRemoval::Missing);
    EXPECT_TRUE(PathExists(strDir + "folder.scr"));
    WriteWholeFile(strDir + "a.scr", "x");
    EXPECT_EQ(RemoveInstalledFile(strDir + "a.scr"), FileRemoval::Removed);
    EXPECT_FALSE(PathExists(strDir + "a.scr"));

    WriteWholeFile(strDir + "running.scr", "x");
    // As the loader holds a running saver: shared for reading, never for deleting.
    const HANDLE hHeld = CreateFileA((strDir + "running.scr").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(hHeld, INVALID_HANDLE_VALUE);
    EXPECT_EQ(RemoveInstalledFile(strDir + "running.scr"), FileRemoval::AtRestart);
    CloseHandle(hHeld);
    EXPECT_NE(PendingRenames().find(L"FileRemoval\\running.scr"), std::wstring::npos) << PendingRenames();
}

TEST(RestartRemovals, TakesBackTheDeletionOfANameAsTheACallsReadIt)
{
    // "caf\u00e9@" in code page 1252, "caf" and one kanji in 932.
    const std::string strPath = ScratchDir("RestartRemovals") + "caf\xe9\x40.scr";
    WriteWholeFile(strPath, "x");
    ASSERT_TRUE(MoveFileExA(strPath.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT));
    ASSERT_NE(PendingRenames().find(L"RestartRemovals\\caf"), std::wstring::npos);
    EXPECT_EQ(CancelRestartRemovals({strPath}), 0);
    EXPECT_EQ(PendingRenames().find(L"RestartRemovals\\caf"), std::wstring::npos) << PendingRenames();
    DeleteFileA(strPath.c_str());
}

TEST(Uninstaller, AsksThenRemovesAndSaysWhatWaitsForTheRestart)
{
    const std::string strDir = ScratchDir("Uninstaller");
    CInstallScript script;
    script.m_strDisplayName = "Orvanta";
    script.m_files = {FileEntry{"a.scr", strDir + "a.scr"}, FileEntry{"b.scr", strDir + "b.scr"}};
    script.m_strScreenSaver = strDir + "a.scr";
    const InstallPlan plan = TestPlan(script);
    CPlannedOperations operations(plan);
    // The saver goes only where it is ours: the built one.
    ASSERT_TRUE(CopyFileA(ORVANTA_SCR_PATH, (strDir + "a.scr").c_str(), FALSE));
    WriteWholeFile(strDir + "b.scr", "x");
    ASSERT_EQ(operations.RegisterScreenSaver(), 0);
    ASSERT_EQ(operations.RegisterUninstall(), 0);
    ASSERT_TRUE(CProgramsListEntry::EntryExists());
    wchar_t szPublisher[128] = L"";
    DWORD nSize = sizeof(szPublisher);
    RegGetValueW(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Orvanta", L"Publisher",
                 RRF_RT_REG_SZ, nullptr, szPublisher, &nSize);
    EXPECT_EQ(szPublisher, LoadResourceString(IDS_PUBLISHER));
    const HANDLE hHeld = CreateFileA((strDir + "a.scr").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(hHeld, INVALID_HANDLE_VALUE);

    std::wstring strQuestion, strOutcome;
    std::thread user([&] {
        const HWND hAsk = WaitForBox(nullptr);
        if (!hAsk)
            return;
        strQuestion = BoxText(hAsk);
        PostMessageW(hAsk, WM_COMMAND, IDYES, 0);
        const HWND hOutcome = WaitForBox(hAsk);
        if (!hOutcome)
            return;
        strOutcome = BoxText(hOutcome);
        PostMessageW(hOutcome, WM_COMMAND, IDOK, 0);
    });
    const InstallerExitCode code = CUninstaller(plan, false).Run();
    user.join();
    CloseHandle(hHeld);

    EXPECT_EQ(code, InstallerExitCode::RestartNeeded);
    EXPECT_EQ(strQuestion, kConfirm);
    EXPECT_EQ(strOutcome, kDoneAtRestart);
    EXPECT_FALSE(PathExists(strDir + "b.scr"));
    EXPECT_NE(PendingRenames().find(L"Uninstaller\\a.scr"), std::wstring::npos);
    EXPECT_FALSE(CProgramsListEntry::EntryExists());
    EXPECT_FALSE(CSaverSetting(plan.m_store, plan.m_target).HasRecord());
    EXPECT_FALSE(PathExists(CProgramsListEntry::Folder())) << "not run from there: removed at once";

    // Nothing of ours is left to find.
    DeleteFileA((strDir + "a.scr").c_str());
    EXPECT_EQ(CUninstaller(plan, true).Run(), InstallerExitCode::NothingInstalled);
}

TEST(SelfDeletion, EachTryLooksForANewInstallAndOnlyWhatIsLeftGoesAtTheRestart)
{
    const std::string strProgram = CProgramsListEntry::UninstallerPath();
    const std::string strFolder = CProgramsListEntry::Folder();
    CProgramsListEntry::RemoveEntry();
    CreateDirectoryA(strFolder.c_str(), nullptr);
    // The ended uninstaller's file is still held while an install writes the entry.
    WriteWholeFile(strProgram, "the uninstaller");
    const HANDLE hHeld =
        CreateFileA(strProgram.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(hHeld, INVALID_HANDLE_VALUE);
    std::thread copy([] { CSelfDeletion::Run(EndedHandle()); });
    // Time for the copy's first look, which finds no install yet.
    Sleep(300);
    HKEY hEntry = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kUninstallKeyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hEntry,
                              nullptr),
              ERROR_SUCCESS);
    RegCloseKey(hEntry);
    CloseHandle(hHeld);
    copy.join();
    EXPECT_TRUE(PathExists(strProgram)) << "the new install's uninstaller stays";

    // No install meanwhile: the uninstaller goes; a folder with a file of the user's stays,
    // and nothing is left to the restart.
    CProgramsListEntry::RemoveEntry();
    WriteWholeFile(strFolder + "notes.txt", "mine");
    CSelfDeletion::Run(EndedHandle());
    EXPECT_FALSE(PathExists(strProgram));
    EXPECT_TRUE(PathExists(strFolder + "notes.txt"));
    EXPECT_EQ(PendingRenames().find(L"Program Files\\Orvanta"), std::wstring::npos) << PendingRenames();
    DeleteFileA((strFolder + "notes.txt").c_str());
    RemoveDirectoryA(strFolder.c_str());
}
