#include "uninstall/Uninstaller.h"

#include "DisplayText.h"
#include "File.h"
#include "FsRedirection.h"
#include "MessageBox.h"
#include "ShiftJisPath.h"
#include "registration/InstalledNames.h"
#include "registration/ProgramsListEntry.h"
#include "registration/SaverNames.h"
#include "registration/SaverSetting.h"
#include "resource/InstallerResource.h"
#include "uninstall/FileRemoval.h"
#include "uninstall/SelfDeletion.h"

CUninstaller::CUninstaller(const InstallPlan& plan, bool bSilent) : m_plan(plan), m_bSilent(bSilent) {}

InstallerExitCode CUninstaller::Run()
{
    const InstalledOwnership ownership = FindInstalledOwnership(m_plan);
    if (!FindsAnythingOurs(ownership))
        return Report(InstallerExitCode::NothingInstalled, IDS_NOTHING_INSTALLED);
    if (!m_bSilent && !Confirm())
        return InstallerExitCode::Cancelled;
    // Taken while the saver is still there: its short name cannot be asked for afterwards.
    const std::vector<std::string> ours = SaverNames(m_plan.m_strSaverPath);
    // Nothing else is undone when a file stays: the entry remains for another try.
    if (!RemoveFiles(ownership) || CSaverSetting(m_plan.m_store, m_plan.m_target).Restore(ours) != 0 ||
        (ownership.m_entry == Owner::Us && CProgramsListEntry::RemoveEntry() != 0))
        return Report(InstallerExitCode::Failed, IDS_UNINSTALL_FAILED);
    const InstallerExitCode code = m_bAtRestart ? Report(InstallerExitCode::RestartNeeded, IDS_UNINSTALL_AT_RESTART)
                                                : Report(InstallerExitCode::Done, IDS_UNINSTALL_DONE);
    // Another program's entry names its own uninstaller, which may live in a folder of our name.
    if (ownership.m_entry != Owner::Another)
        RemoveUninstaller();
    return code;
}

bool CUninstaller::FindsAnythingOurs(const InstalledOwnership& ownership) const
{
    if (ownership.m_entry == Owner::Us || ownership.m_saver == Owner::Us ||
        CSaverSetting(m_plan.m_store, m_plan.m_target).HasRecord())
        return true;
    // The installed files' paths name the native system directory, also for a 32-bit uninstaller.
    const CFsRedirectionGuard nativeFiles;
    if (FileExists(CProgramsListEntry::UninstallerPath()))
        return true;
    for (const FileEntry& entry : m_plan.m_files) {
        if (!IsSaver(entry) && FileExists(entry.m_strDestination))
            return true;
    }
    return false;
}

bool CUninstaller::IsSaver(const FileEntry& entry) const
{
    return !m_plan.m_strSaverPath.empty() && SamePath(entry.m_strDestination, m_plan.m_strSaverPath);
}

bool CUninstaller::RemoveFiles(const InstalledOwnership& ownership)
{
    for (const FileEntry& entry : m_plan.m_files) {
        if (IsSaver(entry) && ownership.m_saver != Owner::Us)
            continue;
        switch (RemoveInstalledFile(entry.m_strDestination)) {
        case FileRemoval::Failed:
            return false;
        case FileRemoval::AtRestart:
            m_bAtRestart = true;
            break;
        case FileRemoval::Removed:
        case FileRemoval::Missing:
            break;
        }
    }
    return true;
}

void CUninstaller::RemoveUninstaller() const
{
    const std::string strUninstaller = CProgramsListEntry::UninstallerPath();
    if (strUninstaller.empty())
        return;
    if (IsThisProgram(strUninstaller)) {
        CSelfDeletion::Start();
        return;
    }
    DeleteFileA(strUninstaller.c_str());
    RemoveDirectoryA(CProgramsListEntry::Folder().c_str());
}

InstallerExitCode CUninstaller::Report(InstallerExitCode code, unsigned nIdText) const
{
    if (m_bSilent)
        return code;
    const bool bNamed = nIdText == IDS_NOTHING_INSTALLED;
    const std::wstring strText =
        (bNamed ? WideFromProductText(m_plan.m_strProductName) : std::wstring()) + LoadResourceString(nIdText);
    const UINT nIcon = code == InstallerExitCode::Failed ? MB_ICONERROR : MB_ICONINFORMATION;
    AfxMessageBox(strText, MB_OK | nIcon);
    return code;
}

bool CUninstaller::Confirm() const
{
    const std::wstring strText =
        WideFromProductText(m_plan.m_strProductName) + LoadResourceString(IDS_UNINSTALL_CONFIRM);
    return AfxMessageBox(strText, MB_YESNO | MB_ICONQUESTION) == IDYES;
}
