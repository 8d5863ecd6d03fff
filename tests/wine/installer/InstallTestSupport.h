#pragma once

// What the in-process install tests share: the program's own application object (the real
// operations, and the caption of message boxes), operations of the tests' own, and helpers
// over files that the tests make under one scratch folder per test.
#include "InstallOperations.h"
#include "InstallerApp.h"

#include <windows.h>

#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// The program's own application object, with a stand-in for the account of the desktop's shell.
class CTestInstallerApp : public CInstallerApp
{
public:
    // The stand-in's account when set, else the real shell's.
    std::string ShellUserSid() const override;
    // Clears the script and the stand-in.
    void Reset();

    std::optional<std::string> m_shellSid;
};

CTestInstallerApp& TheApp();

// Writes from a payload image of the test's own; the registration and the uninstall entry give
// the chosen results and the launch is only counted. Each ExtractFile first calls m_onExtract, then, while m_hGate is
// set, waits for it (and fails when it does not come).
class CFakeOperations : public CInstallOperations
{
public:
    const std::vector<FileEntry>& Files() const override { return m_files; }
    int ExtractFile(const FileEntry& entry, CReplacedFiles& replaced) override;
    int RegisterScreenSaver() override;
    int RegisterUninstall() override { return m_nUninstallResult; }
    void LaunchExecFile() override { ++m_nLaunches; }

    std::vector<FileEntry> m_files;
    std::string m_strImage;
    std::function<void()> m_onExtract;
    HANDLE m_hGate = nullptr;
    int m_nRegisterResult = 0;
    int m_nUninstallResult = 0;
    std::atomic<int> m_nExtracts{0};
    std::atomic<int> m_nRegistrations{0};
    int m_nLaunches = 0;
};

// Polls find() until it gives a window, for up to 20 s.
HWND WaitForWindow(const std::function<HWND()>& find);

std::string ScratchDir(const std::string& strName);
std::string ReadWholeFile(const std::string& strPath);
void WriteWholeFile(const std::string& strPath, const std::string& strData);
bool PathExists(const std::string& strPath);
// Names in a folder, "." and ".." left out, sorted.
std::vector<std::string> FolderEntries(const std::string& strDir);
