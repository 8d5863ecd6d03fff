#include "Uninstaller.h"

#include "DisplayText.h"
#include "FileRemoval.h"
#include "FsRedirection.h"
#include "InstalledProduct.h"
#include "InstallerApp.h"
#include "InstallerResource.h"
#include "MessageBox.h"
#include "UninstallEntry.h"
#include "UninstallerCleanup.h"

namespace {

bool FileExists(const std::string& strPath)
{
    const CFsRedirectionGuard native;
    const DWORD nAttributes = GetFileAttributesA(strPath.c_str());
    return nAttributes != INVALID_FILE_ATTRIBUTES && !(nAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

CUninstaller::CUninstaller(CInstallerApp& app, bool bSilent) : m_app(app), m_bSilent(bSilent) {}

InstallerExitCode CUninstaller::Run()
{
    if (!FindsAnythingOurs())
        return Report(InstallerExitCode::NothingInstalled, IDS_NOTHING_INSTALLED);
    if (!m_bSilent && !Confirm())
        return InstallerExitCode::Cancelled;
    // Taken while the saver is still there: its short name cannot be asked for afterwards.
    const std::vector<std::string> ours = m_app.SaverNames();
    // Nothing else is undone when a file stays: the entry remains for another try.
    if (!RemoveFiles() || m_app.SaverSetting().Restore(ours) != 0 || CInstalledProduct::RemoveEntry() != 0)
        return Report(InstallerExitCode::Failed, IDS_UNINSTALL_FAILED);
    const InstallerExitCode code = m_bAtRestart ? Report(InstallerExitCode::RestartNeeded, IDS_UNINSTALL_AT_RESTART)
                                                : Report(InstallerExitCode::Done, IDS_UNINSTALL_DONE);
    RemoveUninstaller();
    return code;
}

bool CUninstaller::FindsAnythingOurs() const
{
    if (CInstalledProduct::EntryExists() || m_app.SaverSetting().HasRecord() ||
        FileExists(CInstalledProduct::UninstallerPath()))
        return true;
    for (const std::string& strPath : m_app.InstalledPaths()) {
        if (FileExists(strPath))
            return true;
    }
    return false;
}

bool CUninstaller::RemoveFiles()
{
    for (const std::string& strPath : m_app.InstalledPaths()) {
        switch (RemoveInstalledFile(strPath)) {
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
    const std::string strUninstaller = CInstalledProduct::UninstallerPath();
    if (strUninstaller.empty())
        return;
    if (IsThisProgram(strUninstaller)) {
        CUninstallerCleanup::Start();
        return;
    }
    DeleteFileA(strUninstaller.c_str());
    RemoveDirectoryA(CInstalledProduct::Folder().c_str());
}

InstallerExitCode CUninstaller::Report(InstallerExitCode code, unsigned nIdText) const
{
    if (m_bSilent)
        return code;
    const bool bNamed = nIdText == IDS_NOTHING_INSTALLED;
    const std::wstring strText =
        (bNamed ? WideFromCp932(m_app.ProductName()) : std::wstring()) + LoadResourceString(nIdText);
    const UINT nIcon = code == InstallerExitCode::Failed ? MB_ICONERROR : MB_ICONINFORMATION;
    AfxMessageBox(strText, MB_OK | nIcon);
    return code;
}

bool CUninstaller::Confirm() const
{
    const std::wstring strText = WideFromCp932(m_app.ProductName()) + LoadResourceString(IDS_UNINSTALL_CONFIRM);
    return AfxMessageBox(strText, MB_YESNO | MB_ICONQUESTION) == IDYES;
}
