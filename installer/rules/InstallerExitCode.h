#pragma once

// The installer's exit codes, for scripts and deployment tools.
enum class InstallerExitCode : int
{
    Done = 0,  // installed, or uninstalled
    Failed = 1,
    Cancelled = 2,         // ended by the user without doing anything
    BadCommandLine = 3,    // a switch that is not understood
    NothingInstalled = 4,  // uninstall found nothing of ours
    Busy = 5,              // another installer or uninstaller of ours was running: nothing done
    RestartNeeded = 3010,  // uninstalled; a file in use goes at the next restart
};

// An interactive run's code: the outcome of its last install, or Cancelled when none ran.
inline InstallerExitCode InstallOutcome(bool bInstalled, int nLastResult)
{
    if (!bInstalled)
        return InstallerExitCode::Cancelled;
    return nLastResult == 0 ? InstallerExitCode::Done : InstallerExitCode::Failed;
}
