#pragma once

#include "rules/InstallPlan.h"
#include "rules/InstalledOwnership.h"
#include "rules/InstallerExitCode.h"

// Undoes an install: removes the files that the plan put in place, puts back the screen saver
// that the first install replaced, removes the uninstall entry, the uninstaller and our
// folder. A saver file or entry under our names that another program has put there since
// stays. Interactively it asks first and reports after; silently only the exit code tells.
class CUninstaller
{
public:
    CUninstaller(const InstallPlan& plan, bool bSilent);

    InstallerExitCode Run();

private:
    bool FindsAnythingOurs(const InstalledOwnership& ownership) const;
    // Removes every installed file; FALSE at the first that can be neither removed nor left
    // to the next restart. m_bAtRestart tells whether any was left so.
    // The saver's file only where it is ours.
    bool RemoveFiles(const InstalledOwnership& ownership);
    // Whether the entry is the saver's, whose file is judged by its version block.
    bool IsSaver(const FileEntry& entry) const;
    void RemoveUninstaller() const;
    InstallerExitCode Report(InstallerExitCode code, unsigned nIdText) const;
    bool Confirm() const;

    const InstallPlan& m_plan;
    bool m_bSilent;
    bool m_bAtRestart = false;
};
