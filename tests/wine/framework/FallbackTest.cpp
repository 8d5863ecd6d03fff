// Owning tier of the run-time bindings' fallbacks: each helper with the entry points it binds
// present, and made missing through the framework's one lookup (CMissingExportsFake), as on
// the older Windows that lacks them. The loader check owns which imports remain.
#include "ComApartment.h"
#include "Dialog.h"
#include "Monitors.h"
#include "PathQuery.h"
#include "SystemLibrary.h"
#include "SystemProcFake.h"
#include "registration/DesktopUser.h"
#include "registration/ProgramsListEntry.h"

#include <gtest/gtest.h>

#include <objbase.h>

#include <set>
#include <string>
#include <vector>

namespace {

const std::set<std::string> kNone;
const std::set<std::string> kSubclassNames{"SetWindowSubclass", "RemoveWindowSubclass", "DefSubclassProc"};
const UINT kMsgProbe = WM_APP + 5;

bool operator==(const RECT& a, const RECT& b)
{
    return EqualRect(&a, &b) != FALSE;
}

// Ends with the probe's answer: only a bound object sees the probe, and only working default
// processing (the dialog manager) lets EndDialog end the modal loop.
class CProbeDlg : public CDialog
{
public:
    CProbeDlg() : CDialog(100) {}

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        PostMessage(kMsgProbe);
        return TRUE;
    }
    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override
    {
        if (nMsg != kMsgProbe)
            return CDialog::WindowProc(nMsg, wParam, lParam);
        EndDialog(Default() == 0 ? 7 : 8);
        return 0;
    }
};

}  // namespace

TEST(Fallbacks, ADialogIsBoundWithEveryFormOfSubclassing)
{
    std::set<std::string> noneAtAll = kSubclassNames;
    noneAtAll.insert({"#410", "#412", "#413"});
    const struct
    {
        const char* m_pszName;
        std::set<std::string> m_missing;
    } rows[] = {
        {"by name", kNone},
        {"by ordinal (comctl32 4.72)", kSubclassNames},
        {"window procedure replaced", noneAtAll},
    };
    // As the programs do before their first dialog.
    const CLibrary comctl32 = LoadCommonControls();
    ASSERT_TRUE(comctl32);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.m_pszName);
        const CMissingExportsFake missing(row.m_missing);
        CProbeDlg dlg;
        EXPECT_EQ(dlg.DoModal(), 7);
        EXPECT_EQ(missing.Refused(), row.m_missing);
    }
}

TEST(Fallbacks, WithoutTheMonitorCallsThePrimaryScreenIsTheOneMonitor)
{
    const RECT rcScreen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    RECT rcWork{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &rcWork, 0);
    // The test display has one monitor, so both answers agree.
    for (const auto& missing :
         {kNone, std::set<std::string>{"EnumDisplayMonitors", "MonitorFromWindow", "GetMonitorInfoW"}}) {
        const CMissingExportsFake fake(missing);
        const std::vector<RECT> monitors = EnumMonitorRects();
        ASSERT_EQ(monitors.size(), 1u);
        EXPECT_TRUE(monitors[0] == rcScreen);
        EXPECT_TRUE(MonitorWorkArea(GetDesktopWindow()) == rcWork);
    }
}

TEST(Fallbacks, CoInitializeMakesTheSameApartment)
{
    for (const auto& missing : {kNone, std::set<std::string>{"CoInitializeEx"}}) {
        const CMissingExportsFake fake(missing);
        {
            const CComApartment apartment;
            EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), RPC_E_CHANGED_MODE);
        }
        // Left as it was entered: the thread may take another apartment.
        EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
        CoUninitialize();
        EXPECT_EQ(fake.Refused(), missing);
    }
}

TEST(Fallbacks, ProgramFilesComesFromTheRegistryWithoutTheShellCall)
{
    const std::string strFolder = CProgramsListEntry::Folder();
    ASSERT_FALSE(strFolder.empty());
    const CMissingExportsFake missing({"SHGetFolderPathA"});
    EXPECT_EQ(CProgramsListEntry::Folder(), strFolder);
    EXPECT_EQ(missing.Refused().size(), 1u);
}

TEST(Fallbacks, WithoutTheSidAndShellCallsNoOtherAccountOwnsTheDesktop)
{
    const struct
    {
        std::set<std::string> m_missing;
        bool m_bOwnSid;
    } rows[] = {
        {kNone, true},
        {{"ConvertSidToStringSidA"}, false},
    };
    for (const auto& row : rows) {
        const CMissingExportsFake missing(row.m_missing);
        EXPECT_EQ(ProcessUserSid(GetCurrentProcess()).rfind("S-1-", 0) == 0, row.m_bOwnSid);
    }
    const CMissingExportsFake missing({"GetShellWindow"});
    EXPECT_EQ(ShellUserSid(), "");
    EXPECT_EQ(missing.Refused().size(), 1u);
}

TEST(Fallbacks, WithoutLongPathsAPathIsComparedAsItIs)
{
    const std::string strSelf = QueryModulePath();
    char szShort[MAX_PATH];
    const DWORD nShort = GetShortPathNameA(strSelf.c_str(), szShort, MAX_PATH);
    ASSERT_TRUE(nShort > 0 && nShort < MAX_PATH);
    ASSERT_NE(std::string(szShort), strSelf);
    const struct
    {
        std::set<std::string> m_missing;
        bool m_bShortIsSelf;
    } rows[] = {
        {kNone, true},
        {{"GetLongPathNameA"}, false},
    };
    for (const auto& row : rows) {
        const CMissingExportsFake missing(row.m_missing);
        EXPECT_TRUE(IsThisProgram(strSelf));
        EXPECT_EQ(IsThisProgram(szShort), row.m_bShortIsSelf);
    }
}
