#include "registration/ProgramsListEntry.h"

#include "DisplayText.h"
#include "FsRedirection.h"
#include "PathQuery.h"
#include "Registry.h"
#include "ShiftJisPath.h"
#include "SystemInfo.h"
#include "SystemLibrary.h"
#include "resource/InstallerResource.h"
#include "rules/ProgramsListValues.h"

#include <shlobj.h>

namespace {

const char kUninstallerName[] = "uninstall.exe";

uint64_t FileSize(const std::string& strPath)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(strPath.c_str(), GetFileExInfoStandard, &data))
        return 0;
    return (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

int WriteValue(const CRegistryKey& key, const ProgramsListValue& value)
{
    const std::wstring strName = WideFromProductText(value.m_strName);
    // Wide, so that the Japanese name reads right whatever the system's code page.
    const bool bWritten = value.m_bNumber ? WriteRegistryNumber(key, strName.c_str(), value.m_nNumber)
                                          : WriteRegistryString(key, strName.c_str(), WideFromProductText(value.m_strText));
    return bWritten ? 0 : 1;
}

std::string LongPathOf(const std::string& strPath)
{
    // The call came with Windows 2000 and 98. Before them there is no long form to ask for:
    // the path is compared as it is.
    using PFNGETLONGPATHNAMEA = DWORD(WINAPI*)(LPCSTR, LPSTR, DWORD);
    const auto pfnGetLongPathName = GetKernel32Proc<PFNGETLONGPATHNAMEA>("GetLongPathNameA");
    if (!pfnGetLongPathName)
        return strPath;
    const std::string strLong =
        QueryPath<char>([&](char* psz, DWORD n) { return pfnGetLongPathName(strPath.c_str(), psz, n); });
    return strLong.empty() ? strPath : strLong;
}

int CopyInUninstaller(const std::string& strUninstaller)
{
    const std::string strSelf = QueryModulePath();
    if (strSelf.empty())
        return 1;
    if (IsThisProgram(strUninstaller))
        return 0;
    CreateDirectoryA(DirectoryOf(strUninstaller).c_str(), nullptr);
    return CopyFileA(strSelf.c_str(), strUninstaller.c_str(), FALSE) ? 0 : 1;
}

// SHGetFolderPathA came with shell32 5.0 (Windows 2000, ME); every version keeps the folder in
// the registry too.
std::string ProgramFilesFolder()
{
    using PFNSHGETFOLDERPATHA = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPSTR);
    const CLibrary shell32 = LoadSystemLibrary("SHELL32.DLL");
    const auto pfnGetFolderPath = GetLibraryProc<PFNSHGETFOLDERPATHA>(shell32, "SHGetFolderPathA");
    char szProgramFiles[MAX_PATH];
    // The 9x family keeps it in the registry, whatever shell32 it has.
    if (pfnGetFolderPath && !IsWin9xFamily())
        return SUCCEEDED(pfnGetFolderPath(nullptr, CSIDL_PROGRAM_FILES, nullptr, SHGFP_TYPE_CURRENT, szProgramFiles))
                   ? szProgramFiles
                   : std::string();
    const CRegistryKey key =
        OpenRegistryKey(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion", KEY_QUERY_VALUE);
    return ReadRegistryString(key, "ProgramFilesDir").value_or(std::string());
}

}  // namespace

bool IsThisProgram(const std::string& strPath)
{
    const std::string strSelf = QueryModulePath();
    return !strSelf.empty() && !strPath.empty() && SamePath(LongPathOf(strSelf), LongPathOf(strPath));
}

std::string CProgramsListEntry::Folder()
{
    const std::string strProgramFiles = ProgramFilesFolder();
    if (strProgramFiles.empty())
        return std::string();
    return JoinPath(strProgramFiles, kProductKey) + "\\";
}

std::string CProgramsListEntry::UninstallerPath()
{
    const std::string strFolder = Folder();
    return strFolder.empty() ? std::string() : strFolder + kUninstallerName;
}

int CProgramsListEntry::Register(const InstallPlan& plan)
{
    ProgramsListFacts facts;
    facts.m_strProductName = plan.m_strProductName;
    facts.m_strFolder = Folder();
    facts.m_strUninstaller = UninstallerPath();
    facts.m_strSaverPath = plan.m_strSaverPath;
    if (facts.m_strFolder.empty() || CopyInUninstaller(facts.m_strUninstaller) != 0)
        return 1;
    facts.m_nInstalledBytes = FileSize(facts.m_strUninstaller);
    {
        // The files lie where their paths lead the desktop: the native system directory.
        const CFsRedirectionGuard nativeFiles;
        for (const FileEntry& entry : plan.m_files)
            facts.m_nInstalledBytes += FileSize(entry.m_strDestination);
    }

    const CRegistryKey key = CreateRegistryKey(HKEY_LOCAL_MACHINE, kUninstallKeyPath, KEY_SET_VALUE);
    if (!key)
        return 1;
    int nResult = 0;
    for (const ProgramsListValue& value : ProgramsListValues(facts))
        nResult |= WriteValue(key, value);
    // Wide, as every text of the entry.
    nResult |= WriteRegistryString(key, L"Publisher", LoadResourceString(IDS_PUBLISHER)) ? 0 : 1;
    return nResult;
}

bool CProgramsListEntry::EntryExists()
{
    return static_cast<bool>(OpenRegistryKey(HKEY_LOCAL_MACHINE, kUninstallKeyPath, KEY_QUERY_VALUE));
}

FoundListEntry CProgramsListEntry::Find()
{
    const CRegistryKey key = OpenRegistryKey(HKEY_LOCAL_MACHINE, kUninstallKeyPath, KEY_QUERY_VALUE);
    return FoundListEntry{static_cast<bool>(key), ReadRegistryString(key, "UninstallString"),
                          ReadRegistryString(key, "DisplayIcon")};
}

int CProgramsListEntry::RemoveEntry()
{
    return DeleteRegistryKey(HKEY_LOCAL_MACHINE, kUninstallKeyPath) ? 0 : 1;
}
