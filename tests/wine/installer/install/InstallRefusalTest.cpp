// The refusal's wiring under Wine (what counts as ours is the native table's): through the real
// operations, another program's saver file and then its programs-list entry under our names
// stop an install with nothing changed and the refusal's text; the uninstall leaves that entry;
// the built saver, read through its version block, is ours and is replaced.
#include "DisplayText.h"
#include "InstallTestSupport.h"
#include "install/InstallOutcome.h"
#include "install/InstallWorker.h"
#include "install/PlannedOperations.h"
#include "registration/ProgramsListEntry.h"
#include "registration/SaverSetting.h"
#include "resource/InstallerResource.h"
#include "rules/ProgramsListValues.h"
#include "uninstall/Uninstaller.h"

#include <gtest/gtest.h>

namespace {

const char kOtherCommand[] = "MsiExec.exe /X{12345678-1234-1234-1234-123456789012}";

int Install(CInstallOperations& operations)
{
    CInstallWorker worker(operations);
    InstallThreadProc(&worker);
    return worker.m_nResult.load();
}

std::optional<std::string> EntryCommand()
{
    return CProgramsListEntry::Find().m_strUninstallString;
}

}  // namespace

TEST(InstallRefusal, AnotherProgramsSaverFileOrEntryUnderOurNamesChangesNothing)
{
    const std::string strSaver = ScratchDir("InstallRefusal") + "Orvanta.scr";
    CInstallScript script;
    script.m_files = {FileEntry{"Orvanta.scr", strSaver}};
    script.m_strScreenSaver = strSaver;
    const InstallPlan plan = TestPlan(script);
    CPlannedOperations operations(plan);
    const CSaverSetting setting(plan.m_store, plan.m_target);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kUninstallKeyPath);
    const SaverValue desktopBefore = setting.Read();

    // A program of another maker, with a version block of its own, under the saver's name.
    ASSERT_TRUE(CopyFileA("C:\\windows\\system32\\notepad.exe", strSaver.c_str(), FALSE));
    const std::string strOther = ReadWholeFile(strSaver);
    EXPECT_EQ(Install(operations), kInstallRefused);
    EXPECT_EQ(InstallOutcomeText(kInstallRefused, operations), LoadResourceString(IDS_INSTALL_REFUSED));
    EXPECT_EQ(ReadWholeFile(strSaver), strOther);
    EXPECT_FALSE(CProgramsListEntry::EntryExists());
    EXPECT_FALSE(PathExists(CProgramsListEntry::Folder()));
    EXPECT_EQ(setting.Read(), desktopBefore);
    EXPECT_FALSE(setting.HasRecord());

    // Another program's entry under our key, the saver's name free.
    ASSERT_TRUE(DeleteFileA(strSaver.c_str()));
    HKEY hEntry = nullptr;
    ASSERT_EQ(
        RegCreateKeyExA(HKEY_LOCAL_MACHINE, kUninstallKeyPath, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &hEntry, nullptr),
        ERROR_SUCCESS);
    RegSetValueExA(hEntry, "UninstallString", 0, REG_SZ, reinterpret_cast<const BYTE*>(kOtherCommand),
                   sizeof kOtherCommand);
    RegCloseKey(hEntry);
    EXPECT_EQ(Install(operations), kInstallRefused);
    EXPECT_FALSE(PathExists(strSaver));
    EXPECT_EQ(EntryCommand(), kOtherCommand);
    EXPECT_FALSE(PathExists(CProgramsListEntry::Folder()));
    EXPECT_EQ(setting.Read(), desktopBefore);
    EXPECT_EQ(CUninstaller(plan, true).Run(), InstallerExitCode::NothingInstalled);
    EXPECT_EQ(EntryCommand(), kOtherCommand) << "the uninstall leaves another program's entry";

    // An earlier install of ours: the built saver is replaced, the entry written, and both go
    // with the uninstall.
    ASSERT_EQ(RegDeleteKeyA(HKEY_LOCAL_MACHINE, kUninstallKeyPath), ERROR_SUCCESS);
    ASSERT_TRUE(CopyFileA(ORVANTA_SCR_PATH, strSaver.c_str(), FALSE));
    EXPECT_EQ(Install(operations), 0);
    EXPECT_EQ(CProgramsListEntry::Find().m_strDisplayIcon, strSaver);
    EXPECT_EQ(CUninstaller(plan, true).Run(), InstallerExitCode::Done);
    EXPECT_FALSE(PathExists(strSaver));
    EXPECT_FALSE(CProgramsListEntry::EntryExists());
}
