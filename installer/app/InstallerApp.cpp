#include "app/InstallerApp.h"

#include "DisplayText.h"
#include "MessageBox.h"
#include "PathQuery.h"
#include "SystemInfo.h"
#include "install/InstallWorker.h"
#include "install/InstallerLock.h"
#include "install/PlannedOperations.h"
#include "payload/InstallScript.h"
#include "registration/DesktopUser.h"
#include "resource/InstallerResource.h"
#include "ui/InstallerDlg.h"
#include "uninstall/SelfDeletion.h"
#include "uninstall/Uninstaller.h"

namespace {

// How long a second run waits for the first to end, as an uninstall's cleanup ends.
const DWORD kLockTimeout = 5000;

InstallPlan LoadInstallPlan()
{
    CInstallScript script;
    script.Load();
    const RegistrationStore store = IsWin9xFamily() ? RegistrationStore::SystemIni : RegistrationStore::Registry;
    return ResolveInstallPlan(script, QuerySystemDirectory(), DesktopUserTarget(), store);
}

}  // namespace

BOOL CInstallerApp::InitInstance()
{
    Enable3dControls();
    m_plan = LoadInstallPlan();
    m_exitCode = RunCommandLine(ParseSwitches(ArgumentsOf(GetCommandLineA())));
    return FALSE;
}

int CInstallerApp::ExitInstance()
{
    return static_cast<int>(m_exitCode);
}

InstallerExitCode CInstallerApp::RunCommandLine(const InstallerSwitches& switches)
{
    if (!switches.m_bUnderstood)
        return RefuseCommandLine(switches.m_bSilent);
    if (switches.m_bCleanup)
        return static_cast<InstallerExitCode>(CSelfDeletion::Run(switches.m_nCleanupHandle));
    // Two of us at once would remove each other's files and race on the record.
    const CInstallerLock lock(kLockTimeout);
    if (!lock.IsHeld())
        return RefuseSecondRun(switches.m_bSilent);
    if (switches.m_bUninstall)
        return CUninstaller(m_plan, switches.m_bSilent).Run();
    return switches.m_bSilent ? RunSilentInstall() : RunInteractive();
}

InstallerExitCode CInstallerApp::RunInteractive()
{
    CPlannedOperations operations(m_plan);
    CInstallerDlg dlg(operations, m_plan.m_strDisplayName);
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return dlg.Outcome();
}

InstallerExitCode CInstallerApp::RunSilentInstall()
{
    // The install button's work, on this thread: no dialog, no box, no EXECFILE.
    CPlannedOperations operations(m_plan);
    CInstallWorker worker(operations);
    InstallThreadProc(&worker);
    return InstallOutcome(true, worker.m_nResult.load());
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
