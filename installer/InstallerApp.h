#pragma once

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
// operations that the worker and the progress dialog call.
class CInstallerApp : public CWinApp
{
public:
    BOOL InitInstance() override;
    int ExitInstance() override;

    // Writes one entry from the payload (resource FILE 2): 0 when written, 1 on failure.
    // Virtual so that tests can hand ExtractMember payloads of their own.
    virtual int ExtractFile(const FileEntry& entry);

    // Names the installed saver as the desktop's screen saver: 0, or 1 when that failed.
    int RegisterScreenSaver();

    // Copies in the uninstaller and writes the uninstall entry: 0, or 1 when that failed.
    int RegisterUninstall();

    // Starts the script's EXECFILE command; a failure passes silently.
    void LaunchExecFile();

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
    // temporary file beside it, so that a failure leaves an earlier file in place.
    static int ExtractMember(const void* pImage, uint32_t nSize, const FileEntry& entry);

    // Writes the registration value to the given store: 0, or 1 when that failed.
    static int WriteRegistration(RegistrationStore store, const std::string& strValue);

    CInstallScript m_script;

private:
    InstallerExitCode RunCommandLine(const InstallerSwitches& switches);
    InstallerExitCode RunInteractive();
    InstallerExitCode RunSilentInstall();
    InstallerExitCode RefuseCommandLine(bool bSilent);

    InstallerExitCode m_exitCode = InstallerExitCode::Done;
    bool m_bInstallRan = false;
    int m_nLastInstallResult = 0;
};

inline CInstallerApp* GetInstallerApp()
{
    return static_cast<CInstallerApp*>(AfxGetApp());
}
