#include "InstalledProduct.h"

#include "DisplayText.h"
#include "ScopedHandle.h"
#include "ShiftJisPath.h"
#include "UninstallEntry.h"

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

int WriteValue(HKEY hKey, const UninstallValue& value)
{
    const std::wstring strName = WideFromCp932(value.m_strName);
    LONG nResult;
    if (value.m_bNumber) {
        const DWORD nNumber = value.m_nNumber;
        nResult = RegSetValueExW(hKey, strName.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&nNumber),
                                 sizeof(nNumber));
    } else {
        // Wide, so that the Japanese name reads right whatever the system's code page.
        const std::wstring strText = WideFromCp932(value.m_strText);
        nResult = RegSetValueExW(hKey, strName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(strText.c_str()),
                                 static_cast<DWORD>((strText.size() + 1) * sizeof(wchar_t)));
    }
    return nResult == ERROR_SUCCESS ? 0 : 1;
}

std::string LongPathOf(const std::string& strPath)
{
    char szLong[MAX_PATH];
    const DWORD nLength = GetLongPathNameA(strPath.c_str(), szLong, MAX_PATH);
    return nLength == 0 || nLength >= MAX_PATH ? strPath : std::string(szLong, nLength);
}

int CopyInUninstaller(const std::string& strUninstaller)
{
    const std::string strSelf = ModulePath();
    if (strSelf.empty())
        return 1;
    if (IsThisProgram(strUninstaller))
        return 0;
    CreateDirectoryA(DirectoryOf(strUninstaller).c_str(), nullptr);
    return CopyFileA(strSelf.c_str(), strUninstaller.c_str(), FALSE) ? 0 : 1;
}

}  // namespace

std::string ModulePath()
{
    char szPath[MAX_PATH];
    const DWORD nLength = GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    return nLength == 0 || nLength >= MAX_PATH ? std::string() : std::string(szPath, nLength);
}

bool IsThisProgram(const std::string& strPath)
{
    const std::string strSelf = ModulePath();
    return !strSelf.empty() && !strPath.empty() && SamePath(LongPathOf(strSelf), LongPathOf(strPath));
}

std::string CInstalledProduct::Folder()
{
    char szProgramFiles[MAX_PATH];
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_PROGRAM_FILES, nullptr, SHGFP_TYPE_CURRENT, szProgramFiles)))
        return std::string();
    const std::string strProgramFiles = szProgramFiles;
    return strProgramFiles + (EndsWithBackslash(strProgramFiles) ? "" : "\\") + kProductKey + "\\";
}

std::string CInstalledProduct::UninstallerPath()
{
    const std::string strFolder = Folder();
    return strFolder.empty() ? std::string() : strFolder + kUninstallerName;
}

int CInstalledProduct::Register(const CInstallScript& script)
{
    UninstallFacts facts;
    facts.m_strDisplayName = script.m_strDisplayName;
    facts.m_strFolder = Folder();
    facts.m_strUninstaller = UninstallerPath();
    if (facts.m_strFolder.empty() || CopyInUninstaller(facts.m_strUninstaller) != 0)
        return 1;
    facts.m_nInstalledBytes = FileSize(facts.m_strUninstaller);
    for (const FileEntry& entry : script.m_files) {
        std::string strDestination = entry.m_strDestination;
        CInstallScript::ExpandMacros(strDestination);
        facts.m_nInstalledBytes += FileSize(strDestination);
    }
    if (!script.m_strScreenSaver.empty()) {
        facts.m_strSaverPath = script.m_strScreenSaver;
        CInstallScript::ExpandMacros(facts.m_strSaverPath);
    }

    HKEY hKey = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kUninstallKeyPath, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &hKey, nullptr) !=
        ERROR_SUCCESS)
        return 1;
    const CRegistryKey key(hKey);
    int nResult = 0;
    for (const UninstallValue& value : UninstallEntryValues(facts))
        nResult |= WriteValue(key.Get(), value);
    return nResult;
}

bool CInstalledProduct::EntryExists()
{
    HKEY hKey = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kUninstallKeyPath, 0, KEY_QUERY_VALUE, &hKey) != ERROR_SUCCESS)
        return false;
    RegCloseKey(hKey);
    return true;
}

int CInstalledProduct::RemoveEntry()
{
    const LONG nResult = RegDeleteKeyA(HKEY_LOCAL_MACHINE, kUninstallKeyPath);
    return nResult == ERROR_SUCCESS || nResult == ERROR_FILE_NOT_FOUND ? 0 : 1;
}
