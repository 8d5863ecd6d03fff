#pragma once

#include "install/InstallOperations.h"
#include "rules/InstallPlan.h"

// The install operations on this system, as the plan resolved them: the payload is the
// program's own resource, the registration the desktop user's.
class CPlannedOperations : public CInstallOperations
{
public:
    explicit CPlannedOperations(const InstallPlan& plan) : m_plan(plan) {}

    const std::vector<FileEntry>& Files() const override { return m_plan.m_files; }
    int ExtractFile(const FileEntry& entry, CReplacedFiles& replaced) override;
    int RegisterScreenSaver() override;
    // Takes back pending restart deletions of our names, copies in the uninstaller and writes
    // the entry: 0, or 1 when that failed.
    int RegisterUninstall() override;
    void LaunchExecFile() override;

private:
    const InstallPlan& m_plan;
};
