// The 32-bit installer in a 64-bit prefix: what it installs and registers under the system
// directory's name must be in the native system directory, where a 64-bit desktop looks.
#include "FsRedirection.h"
#include "InstallWorker.h"
#include "Registry.h"
#include "SystemInfo.h"
#include "TestInstallerApp.h"
#include "ZipBuilder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char kName[] = "Orvanta wow64 test.scr";

std::string WindowsDir()
{
    char sz[MAX_PATH];
    return std::string(sz, GetWindowsDirectoryA(sz, MAX_PATH));
}

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

class Wow64Install : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(IsRunningUnderWow64()) << "runs as a 32-bit program in a 64-bit prefix";
        TestApp().Reset();
    }

    // The native system directory as a 32-bit program names it without turning anything off.
    const std::string m_strNative = WindowsDir() + "\\Sysnative\\";
    const std::string m_strWow64 = WindowsDir() + "\\SysWOW64\\";
};

}  // namespace

TEST_F(Wow64Install, TheSaverLandsInTheNativeSystemDirectoryAndItsShortPathIsRegistered)
{
    TestApp().m_strImage = ZipBuilder().Add("Orvanta.scr", "saver").Build();
    TestApp().m_script.m_files.push_back(FileEntry{"Orvanta.scr", std::string("$(SYSTEMDIR)") + kName});
    TestApp().m_script.m_strScreenSaver = std::string("$(SYSTEMDIR)") + kName;
    CInstallWorker worker;
    InstallThreadProc(&worker);
    EXPECT_EQ(worker.m_nResult.load(), 0);

    EXPECT_EQ(ReadWholeFile(m_strNative + kName), "saver");
    EXPECT_FALSE(PathExists(m_strWow64 + kName));
    // The short form exists only for the native file: looked up in the 32-bit directory, the
    // long path would be registered.
    const std::string strValue = RegisteredValue();
    // Under the name the installer is given, which leads a 32-bit program to SysWOW64.
    const std::string strSystemDir = QuerySystemDirectory() + "\\";
    EXPECT_EQ(strValue.substr(0, strSystemDir.size()), strSystemDir);
    EXPECT_NE(NameOf(strValue), kName);
    EXPECT_TRUE(PathExists(m_strNative + NameOf(strValue))) << strValue;
    DeleteFileA((m_strNative + kName).c_str());
}

TEST_F(Wow64Install, TheGuardShowsTheNativeDirectoryOnlyWhileItLives)
{
    const std::string strNative = m_strNative + kName;
    WriteWholeFile(strNative, "native");
    const std::string strPath = QuerySystemDirectory() + "\\" + kName;
    {
        const CFsRedirectionGuard guard;
        EXPECT_TRUE(guard.SeesNativeFiles());
        EXPECT_TRUE(PathExists(strPath));
    }
    EXPECT_FALSE(PathExists(strPath)) << "the 32-bit directory is back in view";
    DeleteFileA(strNative.c_str());
}
