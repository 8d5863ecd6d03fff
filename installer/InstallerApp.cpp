#include "InstallerApp.h"

#include "ExecCommand.h"
#include "File.h"
#include "InstallerDlg.h"
#include "InstallerResource.h"
#include "PayloadArchive.h"
#include "Registry.h"
#include "ResourceBytes.h"
#include "ShiftJisPath.h"
#include "SystemInfo.h"

#include <shellapi.h>

namespace {

const unsigned kChunkSize = 1024;

// A new, empty file in the destination's directory, or empty when none can be made there.
std::string CreateTempFileBeside(const std::string& strDestination)
{
    const std::string strDirectory = DirectoryOf(strDestination);
    char szTemp[MAX_PATH];
    if (!GetTempFileNameA(strDirectory.empty() ? "." : strDirectory.c_str(), "orv", 0, szTemp))
        return std::string();
    return szTemp;
}

int WriteMember(CPayloadArchive& archive, const std::string& strDestination)
{
    const std::string strTemp = CreateTempFileBeside(strDestination);
    if (strTemp.empty())
        return 1;
    try {
        CFile file(strTemp, CFile::modeCreate | CFile::modeWrite);
        char buffer[kChunkSize];
        for (unsigned nRead; (nRead = archive.Read(buffer, kChunkSize)) != 0;)
            file.Write(buffer, nRead);
        file.Close();
        if (archive.IsComplete()) {
            CFile::Replace(strTemp, strDestination);
            return 0;
        }
    } catch (const CFileException&) {
    }
    CFile::Remove(strTemp);
    return 1;
}

std::string ShortPathOf(const std::string& strPath)
{
    char szShort[MAX_PATH];
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
    CInstallerDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}

int CInstallerApp::ExtractFile(const FileEntry& entry)
{
    const ResourceBytes payload = FindResourceBytes(nullptr, MAKEINTRESOURCEA(IDR_PAYLOAD), "FILE");
    if (!payload.m_pData)
        return 1;
    return ExtractMember(payload.m_pData, payload.m_nSize, entry);
}

int CInstallerApp::ExtractMember(const void* pImage, uint32_t nSize, const FileEntry& entry)
{
    CPayloadArchive archive;
    std::string strDestination = entry.m_strDestination;
    CInstallScript::ExpandMacros(strDestination);
    archive.Attach(pImage, nSize);
    if (archive.OpenMember(entry.m_strSource.c_str()) != 0)
        return 1;
    return WriteMember(archive, strDestination);
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
    ShellExecuteA(nullptr, "open", command.m_strProgram.c_str(), command.m_strParameters.c_str(), nullptr, SW_SHOWNA);
}
