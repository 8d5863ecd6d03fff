#pragma once

// What the in-process install tests share: the application object (the caption of message
// boxes), plans resolved as the program resolves its own, the operations fake, and helpers over
// files that the tests make under one scratch folder per test.
#include "WinApp.h"
#include "install/InstallOperations.h"
#include "rules/InstallPlan.h"

#include <windows.h>

#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// The script resolved for this machine as at the program's start; the desktop belongs to the
// account of strShellSid when given, else to whoever owns it here.
InstallPlan TestPlan(const CInstallScript& script, const std::optional<std::string>& shellSid = std::nullopt);

// Writes from a payload image of the test's own; the registration and the uninstall entry give
// the chosen results and the launch is only counted. Each ExtractFile first calls m_onExtract,
// then, while m_hGate is set, waits for it (and fails when it does not come).
class CInstallOperationsFake : public CInstallOperations
{
public:
    bool NamesTakenByAnother() override { return false; }
    const std::vector<FileEntry>& Files() const override { return m_files; }
    int ExtractFile(const FileEntry& entry, CReplacedFiles& replaced) override;
    int RegisterScreenSaver() override;
    int RegisterUninstall() override { return m_nUninstallResult; }
    void LaunchExecFile() override { ++m_nLaunches; }
    std::wstring SuccessNotice() const override { return std::wstring(); }

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
