#include "InstallerApp.h"

#include "DesktopUser.h"
#include "ExecCommand.h"
#include "File.h"
#include "FsRedirection.h"
#include "InstallerResource.h"
#include "PayloadArchive.h"
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

}  // namespace

BOOL CInstallerApp::InitInstance()
{
    Enable3dControls();
    m_script.Load();
    m_exitCode = RunCommandLine(ParseSwitches(ArgumentsOf(GetCommandLineA())));
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
    ExecCommand command = SplitExecFile(m_script.m_strExecFile);
    command.m_strProgram = ProgramPath(command.m_strProgram, QuerySystemDirectory());
    // As the desktop's user where we run as another account; ourselves where no shell answers.
    if (Target().m_bLaunchThroughShell && LaunchThroughDesktopShell(command))
        return;
    ShellExecuteA(nullptr, "open", command.m_strProgram.c_str(), command.m_strParameters.c_str(), nullptr, SW_SHOWNA);
}
