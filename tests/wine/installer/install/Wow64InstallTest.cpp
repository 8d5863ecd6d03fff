// The 32-bit installer in a 64-bit prefix: what it installs, replaces and registers under the
// system directory's name must be in the native system directory, where a 64-bit desktop looks,
// and the uninstall entry's size counts it there.
#include "FsRedirection.h"
#include "InstallTestSupport.h"
#include "PathQuery.h"
#include "Registry.h"
#include "SystemInfo.h"
#include "ZipBuilder.h"
#include "install/InstallWorker.h"
#include "install/PlannedOperations.h"
#include "registration/ProgramsListEntry.h"
#include "rules/ProgramsListValues.h"
#include "rules/TempFileName.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

const char kName[] = "Orvanta wow64 test.scr";

std::string RegisteredValue()
{
    char sz[MAX_PATH] = "";
    DWORD nSize = sizeof(sz) - 1;
    return ReadRegistryValue(HKEY_CURRENT_USER, "Control Panel\\Desktop", "SCRNSAVE.EXE", sz, nSize) ? sz : "(none)";
}

// The file's name without its folder.
std::string NameOf(const std::string& strPath)
{
    return strPath.substr(strPath.find_last_of('\\') + 1);
}

// The one entry and the saver under the system directory's name, as the shipped script has them.
CInstallScript SystemDirScript()
{
    CInstallScript script;
    script.m_strScreenSaver = std::string("$(SYSTEMDIR)") + kName;
    script.m_files.push_back(FileEntry{"Orvanta.scr", script.m_strScreenSaver});
    return script;
}

class Wow64Install : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(IsRunningUnderWow64()) << "runs as a 32-bit program in a 64-bit prefix"; }
    void TearDown() override { DeleteFileA((m_strNative + kName).c_str()); }

    // Installs kName with the given content; the registration succeeds or fails as told.
    int Install(const std::string& strContent, int nRegisterResult)
    {
        CInstallOperationsFake operations;
        operations.m_strImage = ZipBuilder().Add("Orvanta.scr", strContent).Build();
        operations.m_files = TestPlan(SystemDirScript()).m_files;
        operations.m_nRegisterResult = nRegisterResult;
        CInstallWorker worker(operations);
        InstallThreadProc(&worker);
        return worker.m_nResult.load();
    }

    size_t NativeTempFiles() const
    {
        const std::vector<std::string> names = FolderEntries(m_strNative);
        return std::count_if(names.begin(), names.end(), IsInstallTempName);
    }

    // The native system directory as a 32-bit program names it without turning anything off.
    const std::string m_strNative = QueryWindowsDirectory() + "\\Sysnative\\";
    const std::string m_strWow64 = QueryWindowsDirectory() + "\\SysWOW64\\";
};

}  // namespace

TEST_F(Wow64Install, TheSaverLandsInTheNativeSystemDirectoryAndItsShortPathIsRegistered)
{
    EXPECT_EQ(Install("saver", 0), 0);
    EXPECT_EQ(ReadWholeFile(m_strNative + kName), "saver");
    EXPECT_FALSE(PathExists(m_strWow64 + kName));

    const InstallPlan plan = TestPlan(SystemDirScript());
    EXPECT_EQ(CPlannedOperations(plan).RegisterScreenSaver(), 0);
    // Under the name the installer is given, with the short form that only the native file has:
    // looked up in the 32-bit directory, the long path would be registered.
    const std::string strValue = RegisteredValue();
    const std::string strSystemDir = QuerySystemDirectory() + "\\";
    EXPECT_EQ(strValue.substr(0, strSystemDir.size()), strSystemDir);
    EXPECT_NE(NameOf(strValue), kName);
    EXPECT_TRUE(PathExists(m_strNative + NameOf(strValue))) << strValue;
}

TEST_F(Wow64Install, TheEntrysSizeCountsTheSaverInTheNativeSystemDirectory)
{
    ASSERT_EQ(Install(std::string(8192, 's'), 0), 0);
    const InstallPlan plan = TestPlan(SystemDirScript());
    ASSERT_EQ(CPlannedOperations(plan).RegisterUninstall(), 0);
    const uint64_t nUninstaller = ReadWholeFile(CProgramsListEntry::UninstallerPath()).size();
    DWORD nKb = 0, nSize = sizeof(nKb);
    EXPECT_TRUE(ReadRegistryValue(HKEY_LOCAL_MACHINE, kUninstallKeyPath, "EstimatedSize", &nKb, nSize));
    EXPECT_EQ(nKb, (nUninstaller + 8192 + 1023) / 1024);
    CProgramsListEntry::RemoveEntry();
    DeleteFileA(CProgramsListEntry::UninstallerPath().c_str());
}

TEST_F(Wow64Install, AReplacedSaverComesBackOnFailureAndItsCopyGoesOnSuccess)
{
    const size_t nTempBefore = NativeTempFiles();
    ASSERT_EQ(Install("old", 0), 0);
    EXPECT_EQ(Install("new", 1), 1);
    EXPECT_EQ(ReadWholeFile(m_strNative + kName), "old");
    EXPECT_EQ(NativeTempFiles(), nTempBefore);
    EXPECT_EQ(Install("new", 0), 0);
    EXPECT_EQ(ReadWholeFile(m_strNative + kName), "new");
    EXPECT_EQ(NativeTempFiles(), nTempBefore);
    EXPECT_FALSE(PathExists(m_strWow64 + kName));
}

TEST_F(Wow64Install, TheGuardShowsTheNativeDirectoryOnlyWhileItLives)
{
    WriteWholeFile(m_strNative + kName, "native");
    const std::string strPath = QuerySystemDirectory() + "\\" + kName;
    {
        const CFsRedirectionGuard guard;
        EXPECT_TRUE(guard.SeesNativeFiles());
        EXPECT_TRUE(PathExists(strPath));
    }
    EXPECT_FALSE(PathExists(strPath)) << "the 32-bit directory is back in view";
}
