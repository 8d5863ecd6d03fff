#pragma once

#include "rules/InstallPlan.h"
#include "rules/InstallerExitCode.h"

// Undoes an install: removes the files that the plan put in place, puts back the screen saver
// that the first install replaced, removes the uninstall entry, the uninstaller and our
// folder. Interactively it asks first and reports after; silently only the exit code tells.
class CUninstaller
{
public:
    CUninstaller(const InstallPlan& plan, bool bSilent);

    InstallerExitCode Run();

private:
    bool FindsAnythingOurs() const;
    // Removes every installed file; FALSE at the first that can be neither removed nor left
    // to the next restart. m_bAtRestart tells whether any was left so.
    bool RemoveFiles();
    void RemoveUninstaller() const;
    InstallerExitCode Report(InstallerExitCode code, unsigned nIdText) const;
    bool Confirm() const;

    const InstallPlan& m_plan;
    bool m_bSilent;
    bool m_bAtRestart = false;
};
