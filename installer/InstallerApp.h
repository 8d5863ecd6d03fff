#pragma once

#include "InstallOperations.h"
#include "InstallRules.h"
#include "InstallScript.h"
#include "InstallerExitCode.h"
#include "InstallerSwitches.h"
#include "RegistrationTarget.h"
#include "SaverSetting.h"
#include "WinApp.h"

#include <cstdint>
#include <string>
#include <vector>

// The installer's application object: holds the install script and performs the install
// operations on it for the worker and the progress dialog.
class CInstallerApp : public CWinApp, public CInstallOperations
{
public:
    BOOL InitInstance() override;
    int ExitInstance() override;

    const std::vector<FileEntry>& Files() const override { return m_script.m_files; }

    // Writes one entry from the payload (resource IDR_PAYLOAD).
    int ExtractFile(const FileEntry& entry, CReplacedFiles& replaced) override;

    int RegisterScreenSaver() override;

    // Copies in the uninstaller and writes the uninstall entry: 0, or 1 when that failed.
    int RegisterUninstall() override;

    // Starts the script's EXECFILE command.
    void LaunchExecFile() override;

    // The main dialog's install button reports each install's result here.
    void NoteInstallResult(int nResult);

    // The account that owns the desktop, as a SID string. Virtual so that tests can stand in
    // for a shell of another account.
    virtual std::string ShellUserSid() const;
    RegistrationTarget Target() const;
    // The desktop user's screen saver setting, in the store that this platform uses.
    CSaverSetting SaverSetting() const;
    // The installed saver's path, long and short: the forms a registration of ours takes.
    std::vector<std::string> SaverNames() const;
    // Every [FILES] destination, expanded.
    std::vector<std::string> InstalledPaths() const;
    // The script's display name, or the product's key name without one.
    std::string ProductName() const;

    // Writes entry's member of the ZIP image to the entry's expanded destination, through a
    // temporary file beside it, so that a failure leaves an earlier file in place; a file that
    // it replaces is kept in replaced.
    static int ExtractMember(const void* pImage, uint32_t nSize, const FileEntry& entry, CReplacedFiles& replaced);

    // Writes the registration value to the given store: 0, or 1 when that failed.
    static int WriteRegistration(RegistrationStore store, const std::string& strValue);

    CInstallScript m_script;

private:
    InstallerExitCode RunCommandLine(const InstallerSwitches& switches);
    InstallerExitCode RunInteractive();
    InstallerExitCode RunSilentInstall();
    InstallerExitCode RefuseCommandLine(bool bSilent);
    InstallerExitCode RefuseSecondRun(bool bSilent);

    InstallerExitCode m_exitCode = InstallerExitCode::Done;
    bool m_bInstallRan = false;
    int m_nLastInstallResult = 0;
};

inline CInstallerApp* GetInstallerApp()
{
    return static_cast<CInstallerApp*>(AfxGetApp());
}
