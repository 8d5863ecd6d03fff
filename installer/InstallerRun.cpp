// The installer's runs as its command line asks for them, and what they need to know of the
// desktop's user.
#include "InstallerApp.h"

#include "DesktopUser.h"
#include "DisplayText.h"
#include "InstallWorker.h"
#include "InstalledProduct.h"
#include "InstallerDlg.h"
#include "InstallerLock.h"
#include "InstallerResource.h"
#include "MessageBox.h"
#include "SystemInfo.h"
#include "UninstallEntry.h"
#include "Uninstaller.h"
#include "UninstallerCleanup.h"

namespace {

// How long a second run waits for the first to end, as an uninstall's cleanup ends.
const DWORD kLockTimeout = 5000;

RegistrationStore StoreOfThisPlatform()
{
    return IsWin9xFamily() ? RegistrationStore::SystemIni : RegistrationStore::Registry;
}

}  // namespace

int CInstallerApp::ExitInstance()
{
    return static_cast<int>(m_exitCode);
}

InstallerExitCode CInstallerApp::RunCommandLine(const InstallerSwitches& switches)
{
    if (!switches.m_bUnderstood)
        return RefuseCommandLine(switches.m_bSilent);
    if (switches.m_bCleanup)
        return static_cast<InstallerExitCode>(CUninstallerCleanup::Run(switches.m_nCleanupHandle));
    // Two of us at once would remove each other's files and race on the record.
    const CInstallerLock lock(kLockTimeout);
    if (!lock.IsHeld())
        return RefuseSecondRun(switches.m_bSilent);
    if (switches.m_bUninstall)
        return CUninstaller(*this, switches.m_bSilent).Run();
    return switches.m_bSilent ? RunSilentInstall() : RunInteractive();
}

InstallerExitCode CInstallerApp::RunInteractive()
{
    CInstallerDlg dlg(*this);
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return InstallOutcome(m_bInstallRan, m_nLastInstallResult);
}

InstallerExitCode CInstallerApp::RunSilentInstall()
{
    // The install button's work, on this thread: no dialog, no box, no EXECFILE.
    CInstallWorker worker(*this);
    InstallThreadProc(&worker);
    NoteInstallResult(worker.m_nResult.load());
    return InstallOutcome(true, m_nLastInstallResult);
}

InstallerExitCode CInstallerApp::RefuseSecondRun(bool bSilent)
{
    if (!bSilent)
        AfxMessageBox(LoadResourceString(IDS_BUSY), MB_OK | MB_ICONERROR);
    return InstallerExitCode::Busy;
}

InstallerExitCode CInstallerApp::RefuseCommandLine(bool bSilent)
{
    if (!bSilent)
        AfxMessageBox(LoadResourceString(IDS_SWITCHES), MB_OK | MB_ICONERROR);
    return InstallerExitCode::BadCommandLine;
}

void CInstallerApp::NoteInstallResult(int nResult)
{
    m_bInstallRan = true;
    m_nLastInstallResult = nResult;
}

int CInstallerApp::RegisterUninstall()
{
    return CInstalledProduct::Register(m_script);
}

std::string CInstallerApp::ShellUserSid() const
{
    return ::ShellUserSid();
}

RegistrationTarget CInstallerApp::Target() const
{
    // No accounts on the 9x family: the one user is the installer's.
    if (IsWin9xFamily())
        return RegistrationTarget();
    return ChooseRegistrationTarget(ProcessUserSid(GetCurrentProcess()), ShellUserSid());
}

CSaverSetting CInstallerApp::SaverSetting() const
{
    return CSaverSetting(StoreOfThisPlatform(), Target());
}

std::vector<std::string> CInstallerApp::InstalledPaths() const
{
    std::vector<std::string> paths;
    for (const FileEntry& entry : m_script.m_files) {
        std::string strPath = entry.m_strDestination;
        CInstallScript::ExpandMacros(strPath);
        paths.push_back(strPath);
    }
    return paths;
}

std::string CInstallerApp::ProductName() const
{
    return m_script.m_strDisplayName.empty() ? std::string(kProductKey) : m_script.m_strDisplayName;
}
