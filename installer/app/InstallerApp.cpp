#include "app/InstallerApp.h"

#include "DisplayText.h"
#include "MessageBox.h"
#include "PathQuery.h"
#include "SystemInfo.h"
#include "SystemSide.h"
#include "install/InstallWorker.h"
#include "install/InstallOutcome.h"
#include "install/InstallerLock.h"
#include "install/PlannedOperations.h"
#include "payload/InstallScript.h"
#include "registration/DesktopPolicy.h"
#include "registration/DesktopUser.h"
#include "resource/InstallerResource.h"
#include "ui/InstallerDlg.h"
#include "uninstall/SelfDeletion.h"
#include "uninstall/Uninstaller.h"

namespace {

// How long a second run waits for the first to end, as an uninstall's cleanup ends.
const DWORD kLockTimeout = 5000;

// A line in the system's code page, as a console or a deployment tool's log reads it; nothing
// where the caller gave no output.
void WriteToStandardOutput(const std::wstring& strText)
{
    const HANDLE hOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    if (!hOutput || hOutput == INVALID_HANDLE_VALUE)
        return;
    const std::string strLine = AnsiFromWide(strText) + "\r\n";
    DWORD nWritten = 0;
    WriteFile(hOutput, strLine.data(), static_cast<DWORD>(strLine.size()), &nWritten, nullptr);
}

InstallPlan LoadInstallPlan()
{
    CInstallScript script;
    script.Load();
    const RegistrationStore store = IsWin9xFamily() ? RegistrationStore::SystemIni : RegistrationStore::Registry;
    InstallPlan plan = ResolveInstallPlan(script, QuerySystemDirectory(), DesktopUserTarget(), store);
    plan.m_policy = ReadDesktopPolicy(plan.m_target);
    return plan;
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
    // The install button's work, on this thread: no dialog, no box, no EXECFILE; the box's
    // sentence goes to the caller's output, where it gave one.
    CPlannedOperations operations(m_plan);
    CInstallWorker worker(operations);
    InstallThreadProc(&worker);
    const int nResult = worker.m_nResult.load();
    WriteToStandardOutput(InstallOutcomeText(nResult, operations));
    return InstallOutcome(true, nResult);
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
