#pragma once

#include "WinApp.h"
#include "rules/InstallPlan.h"
#include "rules/InstallerExitCode.h"
#include "rules/InstallerSwitches.h"

// The installer's application object: resolves the install script for this machine at
// start-up and picks the run that the command line asks for. Nothing below calls back here.
class CInstallerApp : public CWinApp
{
public:
    BOOL InitInstance() override;
    int ExitInstance() override;

private:
    InstallerExitCode RunCommandLine(const InstallerSwitches& switches);
    InstallerExitCode RunInteractive();
    InstallerExitCode RunSilentInstall();
    InstallerExitCode RefuseCommandLine(bool bSilent);
    InstallerExitCode RefuseSecondRun(bool bSilent);

    InstallPlan m_plan;
    InstallerExitCode m_exitCode = InstallerExitCode::Done;
};
