#include "InstallerApp.h"

#include "ExecCommand.h"
#include "File.h"
#include "FsRedirection.h"
#include "InstallerDlg.h"
#include "InstallerResource.h"
#include "PayloadArchive.h"
#include "Registry.h"
#include "ReplacedFiles.h"
#include "ResourceBytes.h"
#include "ShiftJisPath.h"
#include "SystemInfo.h"
#include "TempFile.h"

#include <shellapi.h>

namespace {

const unsigned kChunkSize = 1024;

void WriteWhole(CPayloadArchive& archive, const std::string& strPath)
{
    CFile file(strPath, CFile::modeCreate | CFile::modeWrite);
    char buffer[kChunkSize];
    for (unsigned nRead; (nRead = archive.Read(buffer, kChunkSize)) != 0;)
        file.Write(buffer, nRead);
    // On the disk before its name replaces the old file's.
    file.Flush();
    file.Close();
}

int WriteMember(CPayloadArchive& archive, const std::string& strDestination, CReplacedFiles& replaced)
{
    replaced.PrepareFolderOf(strDestination);
    CTempFile temp(strDestination);
    if (temp.Path().empty())
        return 1;
    try {
        WriteWhole(archive, temp.Path());
        if (!archive.IsComplete())
            return 1;
        replaced.Replace(temp, strDestination);
        return 0;
    } catch (const CFileException&) {
        return 1;
    }
}

std::string ShortPathOf(const std::string& strPath)
{
    char szShort[MAX_PATH];
    const CFsRedirectionGuard nativeFiles;
    const DWORD nLength = GetShortPathNameA(strPath.c_str(), szShort, MAX_PATH);
    // No short form (the file is missing, or it does not fit): the long path still names it.
    return nLength == 0 || nLength >= MAX_PATH ? strPath : std::string(szShort, nLength);
}

int WriteSystemIni(const std::string& strValue)
{
    char szWindowsDir[MAX_PATH];
    const UINT nLength = GetWindowsDirectoryA(szWindowsDir, MAX_PATH);
    if (nLength == 0 || nLength >= MAX_PATH)
        return 1;
    const std::string strProfile = ProfilePath(std::string(szWindowsDir, nLength));
    return WritePrivateProfileStringA("boot", "SCRNSAVE.EXE", strValue.c_str(), strProfile.c_str()) ? 0 : 1;
}

int WriteRegistryValue(const std::string& strValue)
{
    return WriteRegistryString(HKEY_CURRENT_USER, "Control Panel\\Desktop", "SCRNSAVE.EXE", strValue) ? 0 : 1;
}

}  // namespace

BOOL CInstallerApp::InitInstance()
{
    Enable3dControls();
    m_script.Load();
    CInstallerDlg dlg(*this);
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}

int CInstallerApp::ExtractFile(const FileEntry& entry, CReplacedFiles& replaced)
{
    const ResourceBytes payload = FindResourceBytes(nullptr, MAKEINTRESOURCEA(IDR_PAYLOAD), "FILE");
    if (!payload.m_pData)
        return 1;
    return ExtractMember(payload.m_pData, payload.m_nSize, entry, replaced);
}

int CInstallerApp::ExtractMember(const void* pImage, uint32_t nSize, const FileEntry& entry, CReplacedFiles& replaced)
{
    CPayloadArchive archive;
    std::string strDestination = entry.m_strDestination;
    CInstallScript::ExpandMacros(strDestination);
    archive.Attach(pImage, nSize);
    if (archive.OpenMember(entry.m_strSource.c_str()) != 0)
        return 1;
    // The file must be where the destination's path leads the desktop that reads it.
    const CFsRedirectionGuard nativeFiles;
    if (!nativeFiles.SeesNativeFiles())
        return 1;
    return WriteMember(archive, strDestination, replaced);
}

int CInstallerApp::RegisterScreenSaver()
{
    if (m_script.m_strScreenSaver.empty())
        return 0;
    std::string strPath = m_script.m_strScreenSaver;
    CInstallScript::ExpandMacros(strPath);
    const RegistrationStore store = IsWin9xFamily() ? RegistrationStore::SystemIni : RegistrationStore::Registry;
    return WriteRegistration(store, ShortPathOf(strPath));
}

int CInstallerApp::WriteRegistration(RegistrationStore store, const std::string& strValue)
{
    return store == RegistrationStore::SystemIni ? WriteSystemIni(strValue) : WriteRegistryValue(strValue);
}

void CInstallerApp::LaunchExecFile()
{
    if (m_script.m_strExecFile.empty())
        return;
    const ExecCommand command = SplitExecFile(m_script.m_strExecFile);
    const std::string strProgram = ProgramPath(command.m_strProgram, QuerySystemDirectory());
    ShellExecuteA(nullptr, "open", strProgram.c_str(), command.m_strParameters.c_str(), nullptr, SW_SHOWNA);
}
