#pragma once

// The installer's application object as the in-process tests use it: the script is set by
// each test, and ExtractFile reads from a payload image of the test's own (or waits for the
// test to let it go on).
#include "InstallerApp.h"

#include <windows.h>

#include <optional>
#include <string>

class CTestInstallerApp : public CInstallerApp
{
public:
    int ExtractFile(const FileEntry& entry) override;
    // The substitute's account when set, else the real shell's.
    std::string ShellUserSid() const override;

    // Resets the script and the payload, and lets every ExtractFile run at once.
    void Reset();

    std::string m_strImage;
    // While set, ExtractFile waits until this event is signalled.
    HANDLE m_hGate = nullptr;
    // Stands in for the account of the desktop's shell.
    std::optional<std::string> m_shellSid;
};

CTestInstallerApp& TestApp();

// Helpers over files and folders the tests make under one scratch folder per test.
std::string ScratchDir(const std::string& strName);
std::string ReadWholeFile(const std::string& strPath);
void WriteWholeFile(const std::string& strPath, const std::string& strData);
bool PathExists(const std::string& strPath);
// Names in a folder, "." and ".." left out.
std::vector<std::string> FolderEntries(const std::string& strDir);
