#pragma once

#include "install/InstallOperations.h"
#include "rules/InstallPlan.h"

// The install operations on this system, as the plan resolved them: the payload is the
// program's own resource, the registration the desktop user's.
class CPlannedOperations : public CInstallOperations
{
public:
    explicit CPlannedOperations(const InstallPlan& plan) : m_plan(plan) {}

    bool NamesTakenByAnother() override;
    const std::vector<FileEntry>& Files() const override { return m_plan.m_files; }
    int ExtractFile(const FileEntry& entry, CReplacedFiles& replaced) override;
    // See LaunchExecFile.
    int RegisterScreenSaver() override;
    // Takes back pending restart deletions of our names, copies in the uninstaller and writes
    // the entry: 0, or 1 when that failed.
    int RegisterUninstall() override;
    // Neither under a policy that decides the desktop's saver: the user's values are not ours
    // to change then, nor is there a choice to make in the control panel.
    void LaunchExecFile() override;
    std::wstring SuccessNotice() const override;

private:
    const InstallPlan& m_plan;
};
