#include "InstallerApp.h"

#include "DesktopUser.h"
#include "ExecCommand.h"
#include "File.h"
#include "PayloadArchive.h"
#include "ResourceBytes.h"
#include "ScopedHandle.h"
#include "ShiftJisPath.h"

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

}  // namespace

BOOL CInstallerApp::InitInstance()
{
    Enable3dControls();
    m_script.Load();
    m_exitCode = RunCommandLine(ParseSwitches(ArgumentsOf(GetCommandLineA())));
    return FALSE;
}

int CInstallerApp::ExtractFile(const FileEntry& entry)
{
    const ResourceBytes payload = FindResourceBytes(nullptr, MAKEINTRESOURCEA(2), "FILE");
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
    const std::vector<std::string> names = SaverNames();
    return SaverSetting().Register(names[1], names);
}

int CInstallerApp::WriteRegistration(RegistrationStore store, const std::string& strValue)
{
    return CSaverSetting(store, RegistrationTarget()).Write(strValue);
}

std::vector<std::string> CInstallerApp::SaverNames() const
{
    std::string strPath = m_script.m_strScreenSaver;
    CInstallScript::ExpandMacros(strPath);
    return {strPath, ShortPathOf(strPath)};
}

void CInstallerApp::LaunchExecFile()
{
    if (m_script.m_strExecFile.empty())
        return;
    const ExecCommand command = SplitExecFile(m_script.m_strExecFile);
    // As the desktop's user where we run as another account; ourselves where no shell answers.
    if (Target().m_bLaunchThroughShell && LaunchThroughDesktopShell(command))
        return;
    ShellExecuteA(nullptr, "open", command.m_strProgram.c_str(), command.m_strParameters.c_str(), nullptr, SW_SHOWNA);
}
