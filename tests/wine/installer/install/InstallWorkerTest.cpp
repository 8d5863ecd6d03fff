// The install worker and the install operations in-process under Wine: files written from
// payloads of the tests' own through the operations fake, failures, what a failed install
// puts back, and the registration through the planned operations.
#include "InstallTestSupport.h"
#include "PathQuery.h"
#include "ShiftJisPath.h"
#include "ZipBuilder.h"
#include "install/InstallWorker.h"
#include "install/PlannedOperations.h"
#include "install/ReplacedFiles.h"
#include "registration/SaverSetting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <new>
#include <string>
#include <vector>

namespace {

const char kDesktopKey[] = "Control Panel\\Desktop";

std::string Payload(size_t nSize, char cSeed)
{
    std::string data(nSize, '\0');
    for (size_t i = 0; i < nSize; ++i)
        data[i] = static_cast<char>(cSeed + i * 7 + (i >> 9));
    return data;
}

// The registered value, or "(none)".
std::string RegisteredValue(DWORD* pType = nullptr, DWORD* pSize = nullptr)
{
    char sz[MAX_PATH] = "";
    DWORD nType = 0, nSize = sizeof(sz);
    HKEY hKey = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kDesktopKey, 0, KEY_QUERY_VALUE, &hKey) != ERROR_SUCCESS)
        return "(none)";
    const LONG nResult = RegQueryValueExA(hKey, "SCRNSAVE.EXE", nullptr, &nType, reinterpret_cast<BYTE*>(sz), &nSize);
    RegCloseKey(hKey);
    if (nResult != ERROR_SUCCESS)
        return "(none)";
    if (pType)
        *pType = nType;
    if (pSize)
        *pSize = nSize;
    return sz;
}

// The file's one line once it has been written (it exists before), waiting up to 20 s.
std::string WaitForLine(const std::string& strPath)
{
    const DWORD nStart = GetTickCount();
    std::string strText;
    while ((strText = ReadWholeFile(strPath)).find('\n') == std::string::npos && GetTickCount() - nStart < 20000)
        Sleep(50);
    return strText;
}

// The planned operations of a script that names only this saver, or this command.
int RegisterSaver(const std::string& strSaver)
{
    CInstallScript script;
    script.m_strScreenSaver = strSaver;
    const InstallPlan plan = TestPlan(script);
    return CPlannedOperations(plan).RegisterScreenSaver();
}

void Launch(const std::string& strExecFile)
{
    CInstallScript script;
    script.m_strExecFile = strExecFile;
    const InstallPlan plan = TestPlan(script);
    CPlannedOperations(plan).LaunchExecFile();
}

int WriteToSystemIni(const std::string& strValue)
{
    return CSaverSetting(RegistrationStore::SystemIni, RegistrationTarget()).Write(strValue);
}

void ForgetRegistration()
{
    HKEY hKey = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kDesktopKey, 0, KEY_SET_VALUE, &hKey) == ERROR_SUCCESS) {
        RegDeleteValueA(hKey, "SCRNSAVE.EXE");
        RegCloseKey(hKey);
    }
}

class InstallWorker : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ForgetRegistration();
        m_strDir = ScratchDir(::testing::UnitTest::GetInstance()->current_test_info()->name());
    }

    void AddEntry(const std::string& strSource, const std::string& strFile)
    {
        m_ops.m_files.push_back(FileEntry{strSource, m_strDir + strFile});
    }

    // Runs the worker as the thread would and checks that it finished.
    int RunWorker(int* pProgress = nullptr)
    {
        CInstallWorker worker(m_ops);
        EXPECT_EQ(InstallThreadProc(&worker), 0u);
        EXPECT_EQ(worker.m_bRunning.load(), 0);
        if (pProgress)
            *pProgress = worker.m_nProgress.load();
        return worker.m_nResult.load();
    }

    std::string m_strDir;
    CInstallOperationsFake m_ops;
};

}  // namespace

TEST_F(InstallWorker, NoEntriesStillRegistersAndSucceeds)
{
    int nProgress = -1;
    EXPECT_EQ(RunWorker(&nProgress), 0);
    EXPECT_EQ(nProgress, 256);
    EXPECT_EQ(m_ops.m_nRegistrations.load(), 1);
}

TEST_F(InstallWorker, OneAndThreeEntriesAreWrittenWholeWithNothingLeftBehind)
{
    const std::string a = Payload(70000, 'a'), b = Payload(1024, 'b'), c = Payload(0, 'c');
    m_ops.m_strImage = ZipBuilder().Add("a.scr", a).Add("b.dat", b).Add("c.txt", c).Build();

    AddEntry("a.scr", "one.scr");
    int nProgress = -1;
    EXPECT_EQ(RunWorker(&nProgress), 0);
    EXPECT_EQ(nProgress, 256);
    EXPECT_EQ(ReadWholeFile(m_strDir + "one.scr"), a);

    m_ops.m_files.clear();
    AddEntry("a.scr", "a.scr");
    AddEntry("b.dat", "b.dat");
    AddEntry("c.txt", "c.txt");
    EXPECT_EQ(RunWorker(&nProgress), 0);
    EXPECT_EQ(nProgress, 256);
    EXPECT_EQ(ReadWholeFile(m_strDir + "a.scr"), a);
    EXPECT_EQ(ReadWholeFile(m_strDir + "b.dat"), b);
    EXPECT_TRUE(PathExists(m_strDir + "c.txt"));
    EXPECT_EQ(ReadWholeFile(m_strDir + "c.txt"), c);
    EXPECT_EQ(FolderEntries(m_strDir).size(), 4u) << "no temporary file may stay";
}

TEST_F(InstallWorker, FailureInTheSecondOfTwoKeepsTheFirstAndRegistersNothing)
{
    m_ops.m_strImage = ZipBuilder().Add("a.scr", Payload(3000, 'a')).Build();
    AddEntry("a.scr", "a.scr");
    AddEntry("missing.scr", "b.scr");
    int nProgress = -1;
    EXPECT_NE(RunWorker(&nProgress), 0);
    EXPECT_EQ(nProgress, 0);
    EXPECT_EQ(ReadWholeFile(m_strDir + "a.scr"), Payload(3000, 'a'));
    EXPECT_FALSE(PathExists(m_strDir + "b.scr"));
    EXPECT_EQ(m_ops.m_nRegistrations.load(), 0);
}

TEST_F(InstallWorker, CorruptOrTruncatedMembersFailAndLeaveNoFile)
{
    const std::string data = Payload(50000, 'z');
    ZipBuilder::Member badCrc;
    badCrc.name = "crc.scr";
    badCrc.data = data;
    badCrc.bOverrideCrc = true;
    badCrc.nCrc = ZipBuilder::Crc(data) ^ 1;
    ZipBuilder::Member badSize = badCrc;
    badSize.name = "size.scr";
    badSize.bOverrideCrc = false;
    badSize.bOverrideSize = true;
    badSize.nSize = 49999;
    ZipBuilder::Member truncated = badSize;
    truncated.name = "short.scr";
    truncated.bOverrideSize = false;
    truncated.bOverrideCompressed = true;
    truncated.nCompressed = static_cast<uint32_t>(ZipBuilder::Deflate(data).size() / 2);
    // The truncated member is last, so its shortened data still lies inside the image.
    m_ops.m_strImage = ZipBuilder().Add(badCrc).Add(badSize).Add(truncated).Build(false);

    for (const char* pszName : {"crc.scr", "size.scr", "short.scr"}) {
        m_ops.m_files.clear();
        AddEntry(pszName, pszName);
        EXPECT_NE(RunWorker(), 0) << pszName;
        EXPECT_FALSE(PathExists(m_strDir + pszName)) << pszName;
    }
    EXPECT_TRUE(FolderEntries(m_strDir).empty());
}

TEST_F(InstallWorker, FailedReinstallKeepsThePreviousFile)
{
    ZipBuilder::Member corrupt;
    corrupt.name = "a.scr";
    corrupt.data = Payload(20000, 'n');
    corrupt.bOverrideCrc = true;
    m_ops.m_strImage = ZipBuilder().Add(corrupt).Build();
    WriteWholeFile(m_strDir + "a.scr", "the saver installed before");
    AddEntry("a.scr", "a.scr");
    EXPECT_NE(RunWorker(), 0);
    EXPECT_EQ(ReadWholeFile(m_strDir + "a.scr"), "the saver installed before");
    EXPECT_EQ(FolderEntries(m_strDir).size(), 1u);
}

TEST_F(InstallWorker, UnwritableDestinationsFail)
{
    m_ops.m_strImage = ZipBuilder().Add("a.scr", Payload(5000, 'a')).Build();

    // A folder where the file should go.
    CreateDirectoryA((m_strDir + "folder.scr").c_str(), nullptr);
    AddEntry("a.scr", "folder.scr");
    EXPECT_NE(RunWorker(), 0);
    EXPECT_TRUE(GetFileAttributesA((m_strDir + "folder.scr").c_str()) & FILE_ATTRIBUTE_DIRECTORY);

    // A folder that does not exist.
    m_ops.m_files.clear();
    AddEntry("a.scr", "nowhere\\a.scr");
    EXPECT_NE(RunWorker(), 0);

    // A file that another opener holds without sharing.
    WriteWholeFile(m_strDir + "held.scr", "old");
    const HANDLE hHeld = CreateFileA((m_strDir + "held.scr").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(hHeld, INVALID_HANDLE_VALUE);
    m_ops.m_files.clear();
    AddEntry("a.scr", "held.scr");
    EXPECT_NE(RunWorker(), 0);
    CloseHandle(hHeld);
    EXPECT_EQ(ReadWholeFile(m_strDir + "held.scr"), "old");

    EXPECT_EQ(FolderEntries(m_strDir).size(), 2u) << "no temporary file may stay";
}

TEST_F(InstallWorker, TheShippedPayloadInstallsTheBuiltSaverIntoTheSystemDirectory)
{
    CInstallScript script;
    script.Load();
    const InstallPlan plan = TestPlan(script);
    CPlannedOperations operations(plan);
    ASSERT_EQ(operations.Files().size(), 1u);
    // The program's own resource IDR_PAYLOAD, not a test payload.
    CReplacedFiles replaced;
    EXPECT_EQ(operations.ExtractFile(operations.Files()[0], replaced), 0);
    replaced.Keep();
    const std::string strSystem = QuerySystemDirectory();
    const std::string strBuilt = ReadWholeFile(ORVANTA_SCR_PATH);
    EXPECT_FALSE(strBuilt.empty());
    EXPECT_TRUE(ReadWholeFile(strSystem + "\\Orvanta.scr") == strBuilt);
}

TEST_F(InstallWorker, RegistrationIsTheShortPathAsZeroTerminatedRegSz)
{
    const std::string strLong = m_strDir + "a long saver name.scr";
    WriteWholeFile(strLong, "x");
    EXPECT_EQ(RegisterSaver(strLong), 0);
    DWORD nType = 0, nSize = 0;
    const std::string strValue = RegisteredValue(&nType, &nSize);
    EXPECT_EQ(strValue, QueryShortPath(strLong));
    EXPECT_NE(strValue, strLong);
    EXPECT_EQ(nType, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(nSize, strValue.size() + 1);
}

TEST_F(InstallWorker, RegistrationOfAMissingFileNamesItsLongPath)
{
    EXPECT_EQ(RegisterSaver(m_strDir + "not written.scr"), 0);
    EXPECT_EQ(RegisteredValue(), m_strDir + "not written.scr");

    ForgetRegistration();
    EXPECT_EQ(RegisterSaver(""), 0);
    EXPECT_EQ(RegisteredValue(), "(none)");
}

TEST_F(InstallWorker, NineXFamilyWritesBootSectionOfSystemIni)
{
    EXPECT_EQ(WriteToSystemIni("C:\\WINDOWS\\SYSTEM\\ORVANTA.SCR"), 0);
    const std::string strIni = QueryWindowsDirectory() + "\\system.ini";
    char szValue[MAX_PATH] = "";
    GetPrivateProfileStringA("boot", "SCRNSAVE.EXE", "", szValue, MAX_PATH, strIni.c_str());
    EXPECT_STREQ(szValue, "C:\\WINDOWS\\SYSTEM\\ORVANTA.SCR");
    EXPECT_EQ(RegisteredValue(), "(none)");
}

TEST_F(InstallWorker, LaunchStartsTheExecFileProgramWithItsParametersABareNameFromTheSystemDirectory)
{
    const std::string strTool = DirectoryOf(QueryModulePath()) + "marker-tool.exe";
    Launch(strTool + "   " + m_strDir + "launched.txt");
    EXPECT_EQ(WaitForLine(m_strDir + "launched.txt"), "launched\n");

    // A bare name runs the system directory's copy, not a file of that name in the current
    // folder (Windows would search the current folder first; Wine already prefers the system
    // directory, so here this checks the path that the launch builds).
    const std::string strSystemCopy = QuerySystemDirectory() + "\\orvmark.exe";
    ASSERT_TRUE(CopyFileA(strTool.c_str(), strSystemCopy.c_str(), FALSE));
    WriteWholeFile(m_strDir + "orvmark.exe", "planted, and no program");
    char szCurrent[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, szCurrent);
    SetCurrentDirectoryA(m_strDir.c_str());
    Launch("orvmark.exe " + m_strDir + "bare.txt");
    SetCurrentDirectoryA(szCurrent);
    EXPECT_EQ(WaitForLine(m_strDir + "bare.txt"), "launched\n");
    DeleteFileA(strSystemCopy.c_str());
}

TEST_F(InstallWorker, RegistrationThatCannotBeWrittenIsAFailure)
{
    const std::string strIni = QueryWindowsDirectory() + "\\system.ini";
    const std::string strAside = strIni + ".aside";
    // A folder where system.ini should be: the profile write must fail.
    ASSERT_TRUE(MoveFileA(strIni.c_str(), strAside.c_str()));
    CreateDirectoryA(strIni.c_str(), nullptr);
    EXPECT_EQ(WriteToSystemIni("C:\\X.SCR"), 1);
    RemoveDirectoryA(strIni.c_str());
    EXPECT_TRUE(MoveFileA(strAside.c_str(), strIni.c_str()));
}

TEST_F(InstallWorker, FailedRegistrationOrLaterEntryPutsTheReplacedFilesBackAndSuccessDropsTheCopies)
{
    m_ops.m_strImage = ZipBuilder().Add("a.scr", Payload(9000, 'a')).Add("b.dat", Payload(100, 'b')).Build();
    WriteWholeFile(m_strDir + "a.scr", "the saver installed before");
    AddEntry("a.scr", "a.scr");
    AddEntry("b.dat", "b.dat");

    m_ops.m_nRegisterResult = 1;
    EXPECT_EQ(RunWorker(), 1);
    EXPECT_EQ(ReadWholeFile(m_strDir + "a.scr"), "the saver installed before");
    // A file that replaced nothing stays, as after a failure in a later entry.
    EXPECT_EQ(FolderEntries(m_strDir), (std::vector<std::string>{"a.scr", "b.dat"}));

    // An exception in a later entry (out of memory) puts it back as well.
    m_ops.m_nExtracts = 0;
    m_ops.m_onExtract = [this] {
        if (m_ops.m_nExtracts == 2)
            throw std::bad_alloc();
    };
    m_ops.m_nRegisterResult = 0;
    EXPECT_EQ(RunWorker(), 1);
    EXPECT_EQ(ReadWholeFile(m_strDir + "a.scr"), "the saver installed before");
    EXPECT_EQ(FolderEntries(m_strDir), (std::vector<std::string>{"a.scr", "b.dat"}));

    m_ops.m_onExtract = nullptr;
    EXPECT_EQ(RunWorker(), 0);
    EXPECT_TRUE(ReadWholeFile(m_strDir + "a.scr") == Payload(9000, 'a'));
    EXPECT_TRUE(ReadWholeFile(m_strDir + "b.dat") == Payload(100, 'b'));
    EXPECT_EQ(FolderEntries(m_strDir), (std::vector<std::string>{"a.scr", "b.dat"}));
}

TEST_F(InstallWorker, AFailedUninstallEntryNamesNoSaver)
{
    m_ops.m_nUninstallResult = 1;
    EXPECT_EQ(RunWorker(), 1);
    EXPECT_EQ(m_ops.m_nRegistrations.load(), 0);
}

TEST_F(InstallWorker, RemovesOnlyOurTemporaryFilesLeftByAnInterruptedInstall)
{
    m_ops.m_strImage = ZipBuilder().Add("a.scr", Payload(500, 'a')).Build();
    const std::vector<std::string> others = {"orv.tmp", "orv12345.tmp", "orvG1.tmp", "orv1.tmp.txt", "xorv1.tmp"};
    for (const char* pszLeftover : {"orv1.tmp", "orvA2F.tmp", "ORVFFFF.TMP"})
        WriteWholeFile(m_strDir + pszLeftover, "half a saver");
    for (const std::string& strOther : others)
        WriteWholeFile(m_strDir + strOther, "someone else's");
    AddEntry("a.scr", "a.scr");
    EXPECT_EQ(RunWorker(), 0);
    std::vector<std::string> expected = others;
    expected.push_back("a.scr");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(FolderEntries(m_strDir), expected);
}
