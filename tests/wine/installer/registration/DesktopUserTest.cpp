// Whose hive an install writes and how EXECFILE starts, with a substitute for the account of
// the desktop's shell; the saver left active; the record of the saver it replaced, with its
// registry type.
#include "InstallTestSupport.h"
#include "PathQuery.h"
#include "ShiftJisPath.h"
#include "install/PlannedOperations.h"
#include "registration/DesktopUser.h"
#include "registration/SaverNames.h"
#include "registration/SaverSetting.h"

#include <gtest/gtest.h>

namespace {

const char kOtherSid[] = "S-1-5-21-1111-2222-3333-1001";
const char kDesktopKey[] = "Control Panel\\Desktop";

std::string ReadValue(HKEY hRoot, const std::string& strKey, const char* pszName)
{
    char sz[MAX_PATH] = "";
    DWORD nSize = sizeof(sz);
    if (RegGetValueA(hRoot, strKey.c_str(), pszName, RRF_RT_REG_SZ, nullptr, sz, &nSize) != ERROR_SUCCESS)
        return "(none)";
    return sz;
}

// The value's type and text as stored, unexpanded, or "(none)".
std::string TypedValue(HKEY hRoot, const std::string& strKey, const char* pszName)
{
    char sz[MAX_PATH] = "";
    DWORD nSize = sizeof(sz), nType = 0;
    if (RegGetValueA(hRoot, strKey.c_str(), pszName, RRF_RT_ANY | RRF_NOEXPAND, &nType, sz, &nSize) != ERROR_SUCCESS)
        return "(none)";
    return (nType == REG_EXPAND_SZ ? "REG_EXPAND_SZ " : nType == REG_SZ ? "REG_SZ " : "other ") + std::string(sz);
}

void SetValue(HKEY hRoot, const std::string& strKey, const char* pszName, const std::string& strValue,
              DWORD nType = REG_SZ)
{
    RegSetKeyValueA(hRoot, strKey.c_str(), pszName, nType, strValue.c_str(), static_cast<DWORD>(strValue.size() + 1));
}

void DeleteValue(HKEY hRoot, const std::string& strKey, const char* pszName)
{
    RegDeleteKeyValueA(hRoot, strKey.c_str(), pszName);
}

class DesktopUser : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_strDir = ScratchDir(::testing::UnitTest::GetInstance()->current_test_info()->name());
        m_strSaver = m_strDir + "saver.scr";
        WriteWholeFile(m_strSaver, "x");
        // The users' other savers are files that are there: an uninstall names none that is not.
        for (const char* pszDir : {"C:\\x", "C:\\windows\\x"}) {
            CreateDirectoryA(pszDir, nullptr);
            WriteWholeFile(std::string(pszDir) + "\\theirs.scr", "x");
            WriteWholeFile(std::string(pszDir) + "\\later.scr", "x");
        }
        // The other account's hive, as it is loaded while that user owns the desktop.
        HKEY hKey = nullptr;
        RegCreateKeyExA(HKEY_USERS, OtherKey(kDesktopKey).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hKey,
                        nullptr);
        RegCloseKey(hKey);
        for (HKEY hRoot : {HKEY_CURRENT_USER, HKEY_USERS}) {
            const std::string strKey = hRoot == HKEY_USERS ? OtherKey(kDesktopKey) : kDesktopKey;
            DeleteValue(hRoot, strKey, "SCRNSAVE.EXE");
            DeleteValue(hRoot, strKey, "ScreenSaveActive");
            RegDeleteTreeA(hRoot, (hRoot == HKEY_USERS ? OtherKey("Software\\Orvanta") : "Software\\Orvanta").c_str());
        }
    }

    // Our saver's plan, with the desktop owned by the account of strShellSid.
    InstallPlan Plan(const std::string& strShellSid, const std::string& strExecFile = std::string()) const
    {
        CInstallScript script;
        script.m_strScreenSaver = m_strSaver;
        script.m_strExecFile = strExecFile;
        return TestPlan(script, strShellSid);
    }

    static std::string OtherKey(const std::string& strSubKey) { return std::string(kOtherSid) + "\\" + strSubKey; }

    std::string m_strDir;
    std::string m_strSaver;
};

}  // namespace

TEST_F(DesktopUser, AccountsAreReadFromProcessTokensAndOursNeedsNoOtherHive)
{
    const std::string strOwn = ProcessUserSid(GetCurrentProcess());
    EXPECT_EQ(strOwn.rfind("S-1-", 0), 0u) << strOwn;
    // The shell's process is opened by id, as here.
    const HANDLE hSelf = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, GetCurrentProcessId());
    ASSERT_NE(hSelf, nullptr);
    EXPECT_EQ(ProcessUserSid(hSelf), strOwn);
    CloseHandle(hSelf);
    // Wine's desktop sets no shell window: no shell answers, and our own hive is the one.
    const std::string strShell = ShellUserSid();
    EXPECT_TRUE(strShell.empty() || strShell == strOwn) << strShell;
    const RegistrationTarget target = DesktopUserTarget();
    EXPECT_FALSE(UnderAllUsers(target));
    EXPECT_FALSE(target.m_bLaunchThroughShell);
}

TEST_F(DesktopUser, AnotherAccountsShellGetsTheRegistrationInItsHive)
{
    const InstallPlan plan = Plan(kOtherSid);
    CPlannedOperations operations(plan);
    const CSaverSetting setting(plan.m_store, plan.m_target);
    SetValue(HKEY_USERS, OtherKey(kDesktopKey), "SCRNSAVE.EXE", "C:\\x\\theirs.scr");
    SetValue(HKEY_USERS, OtherKey(kDesktopKey), "ScreenSaveActive", "0");
    SetValue(HKEY_CURRENT_USER, kDesktopKey, "SCRNSAVE.EXE", "C:\\x\\mine.scr");

    EXPECT_EQ(operations.RegisterScreenSaver(), 0);
    const std::vector<std::string> names = SaverNames(plan.m_strSaverPath);
    EXPECT_EQ(ReadValue(HKEY_USERS, OtherKey(kDesktopKey), "SCRNSAVE.EXE"), names[1]);
    EXPECT_EQ(ReadValue(HKEY_USERS, OtherKey(kDesktopKey), "ScreenSaveActive"), "1");
    EXPECT_EQ(ReadValue(HKEY_USERS, OtherKey("Software\\Orvanta\\PreviousScreenSaver"), "SCRNSAVE.EXE"),
              "C:\\x\\theirs.scr");
    EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, kDesktopKey, "SCRNSAVE.EXE"), "C:\\x\\mine.scr");
    EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, "Software\\Orvanta\\PreviousScreenSaver", "SCRNSAVE.EXE"), "(none)");

    // The uninstall puts theirs back, in their hive, and forgets the record.
    EXPECT_EQ(setting.Restore(names), 0);
    EXPECT_EQ(ReadValue(HKEY_USERS, OtherKey(kDesktopKey), "SCRNSAVE.EXE"), "C:\\x\\theirs.scr");
    EXPECT_FALSE(setting.HasRecord());
}

TEST_F(DesktopUser, OwnShellRegistersInOurHiveAndRecordsTheLatestSaverOfTheUsers)
{
    const InstallPlan plan = Plan(ProcessUserSid(GetCurrentProcess()));
    CPlannedOperations operations(plan);
    const CSaverSetting setting(plan.m_store, plan.m_target);
    // Saving switched off, as "(None)" in the control panel leaves it.
    SetValue(HKEY_CURRENT_USER, kDesktopKey, "ScreenSaveActive", "0");
    ASSERT_TRUE(SystemParametersInfoW(SPI_SETSCREENSAVEACTIVE, FALSE, nullptr, 0));
    EXPECT_EQ(operations.RegisterScreenSaver(), 0);
    const std::vector<std::string> names = SaverNames(plan.m_strSaverPath);
    EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, kDesktopKey, "SCRNSAVE.EXE"), names[1]);
    EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, kDesktopKey, "ScreenSaveActive"), "1");
    BOOL bActive = FALSE;
    EXPECT_TRUE(SystemParametersInfoW(SPI_GETSCREENSAVEACTIVE, 0, &bActive, 0));
    EXPECT_TRUE(bActive);
    EXPECT_TRUE(setting.HasRecord());
    EXPECT_EQ(ReadValue(HKEY_USERS, OtherKey(kDesktopKey), "SCRNSAVE.EXE"), "(none)");

    // A reinstall over another saver chosen meanwhile records that one; a second reinstall
    // over ours keeps it.
    SetValue(HKEY_CURRENT_USER, kDesktopKey, "SCRNSAVE.EXE", "C:\\x\\later.scr");
    EXPECT_EQ(operations.RegisterScreenSaver(), 0);
    EXPECT_EQ(operations.RegisterScreenSaver(), 0);
    EXPECT_EQ(setting.Restore(names), 0);
    EXPECT_EQ(ReadValue(HKEY_CURRENT_USER, kDesktopKey, "SCRNSAVE.EXE"), "C:\\x\\later.scr");
    EXPECT_FALSE(setting.HasRecord());
}

TEST_F(DesktopUser, ExpandableValuesKeepTheirTypeAndNameOurSaverExpanded)
{
    const InstallPlan plan = Plan(ProcessUserSid(GetCurrentProcess()));
    CPlannedOperations operations(plan);
    const CSaverSetting setting(plan.m_store, plan.m_target);
    const std::vector<std::string> names = SaverNames(plan.m_strSaverPath);
    SetValue(HKEY_CURRENT_USER, kDesktopKey, "SCRNSAVE.EXE", "%SystemRoot%\\x\\theirs.scr", REG_EXPAND_SZ);
    EXPECT_EQ(operations.RegisterScreenSaver(), 0);
    EXPECT_EQ(setting.Restore(names), 0);
    EXPECT_EQ(TypedValue(HKEY_CURRENT_USER, kDesktopKey, "SCRNSAVE.EXE"), "REG_EXPAND_SZ %SystemRoot%\\x\\theirs.scr");

    // Our own saver, named through a variable: there was none of the user's before.
    ASSERT_EQ(m_strSaver.substr(0, 2), "C:");
    SetValue(HKEY_CURRENT_USER, kDesktopKey, "SCRNSAVE.EXE", "%SystemDrive%" + m_strSaver.substr(2), REG_EXPAND_SZ);
    EXPECT_EQ(operations.RegisterScreenSaver(), 0);
    EXPECT_EQ(setting.Restore(names), 0);
    EXPECT_EQ(TypedValue(HKEY_CURRENT_USER, kDesktopKey, "SCRNSAVE.EXE"), "(none)");
}

TEST_F(DesktopUser, AnotherAccountsLaunchFallsBackToStartingItOurselves)
{
    const std::string strMarker = m_strDir + "launched.txt";
    const InstallPlan plan = Plan(kOtherSid, DirectoryOf(QueryModulePath()) + "marker-tool.exe " + strMarker);
    ASSERT_TRUE(plan.m_target.m_bLaunchThroughShell);
    CPlannedOperations(plan).LaunchExecFile();
    // The file exists before its line is written: wait for the line.
    const DWORD nDeadline = GetTickCount() + 20000;
    while (ReadWholeFile(strMarker) != "launched\n" && GetTickCount() < nDeadline)
        Sleep(50);
    EXPECT_EQ(ReadWholeFile(strMarker), "launched\n");
}
