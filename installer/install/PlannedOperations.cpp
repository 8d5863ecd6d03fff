#include "install/PlannedOperations.h"

#include "ResourceBytes.h"
#include "install/MemberWriter.h"
#include "install/RestartRemovals.h"
#include "registration/DesktopPolicy.h"
#include "registration/DesktopUser.h"
#include "registration/InstalledNames.h"
#include "registration/ProgramsListEntry.h"
#include "registration/SaverNames.h"
#include "registration/SaverSetting.h"
#include "resource/InstallerResource.h"

#include <shellapi.h>

bool CPlannedOperations::NamesTakenByAnother()
{
    return RefusesInstall(FindInstalledOwnership(m_plan));
}

int CPlannedOperations::ExtractFile(const FileEntry& entry, CReplacedFiles& replaced)
{
    const ResourceBytes payload = FindResourceBytes(nullptr, MAKEINTRESOURCEA(IDR_PAYLOAD), "FILE");
    if (!payload.m_pData)
        return 1;
    return ExtractMember(payload.m_pData, payload.m_nSize, entry, replaced);
}

int CPlannedOperations::RegisterScreenSaver()
{
    if (m_plan.m_strSaverPath.empty() || PolicyDecides(m_plan.m_policy))
        return 0;
    const std::vector<std::string> names = SaverNames(m_plan.m_strSaverPath);
    return CSaverSetting(m_plan.m_store, m_plan.m_target).Register(names[1], names);
}

int CPlannedOperations::RegisterUninstall()
{
    const std::string strFolder = CProgramsListEntry::Folder();
    if (strFolder.empty())
        return 1;
    // An uninstall that left these names to the restart must not take the new files with it.
    std::vector<std::string> ownNames;
    for (const FileEntry& entry : m_plan.m_files)
        ownNames.push_back(entry.m_strDestination);
    ownNames.push_back(strFolder);
    ownNames.push_back(CProgramsListEntry::UninstallerPath());
    if (CancelRestartRemovals(ownNames) != 0)
        return 1;
    return CProgramsListEntry::Register(m_plan);
}

void CPlannedOperations::LaunchExecFile()
{
    if (!m_plan.m_execFile || PolicyDecides(m_plan.m_policy))
        return;
    const ExecCommand& command = *m_plan.m_execFile;
    // As the desktop's user where we run as another account; ourselves where no shell answers.
    if (m_plan.m_target.m_bLaunchThroughShell && LaunchThroughDesktopShell(command))
        return;
    ShellExecuteA(nullptr, "open", command.m_strProgram.c_str(), command.m_strParameters.c_str(), nullptr, SW_SHOWNA);
}

std::wstring CPlannedOperations::SuccessNotice() const
{
    return PolicyNotice(m_plan.m_policy);
}
