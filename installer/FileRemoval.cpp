#include "FileRemoval.h"

#include "DisplayText.h"
#include "File.h"
#include "FsRedirection.h"
#include "PendingRemovals.h"
#include "Registry.h"
#include "SystemInfo.h"
#include "TempFile.h"

#include <windows.h>

namespace {

const char kSessionManagerKey[] = "System\\CurrentControlSet\\Control\\Session Manager";
const wchar_t kPendingValue[] = L"PendingFileRenameOperations";

}  // namespace

FileRemoval RemoveInstalledFile(const std::string& strPath)
{
    // The installed files' paths name the native system directory, also for a 32-bit uninstaller.
    const CFsRedirectionGuard native;
    if (!native.SeesNativeFiles())
        return FileRemoval::Failed;
    const DWORD nAttributes = GetFileAttributesA(strPath.c_str());
    if (nAttributes == INVALID_FILE_ATTRIBUTES || (nAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return FileRemoval::Missing;
    if (DeleteFileA(strPath.c_str()))
        return FileRemoval::Removed;
    const DWORD nError = GetLastError();
    if (nError == ERROR_FILE_NOT_FOUND || nError == ERROR_PATH_NOT_FOUND)
        return FileRemoval::Missing;
    if (nError != ERROR_SHARING_VIOLATION && nError != ERROR_ACCESS_DENIED)
        return FileRemoval::Failed;
    return RemoveFileAtRestart(strPath) ? FileRemoval::AtRestart : FileRemoval::Failed;
}

bool RemoveFileAtRestart(const std::string& strPath)
{
    CTempFile aside(strPath);
    if (!aside.Path().empty() && MoveFileReplacing(strPath, aside.Path())) {
        // The file in use lives under that name now; an install's sweep of our temporary
        // files takes it too once it is let go.
        const std::string strAside = aside.Path();
        aside.Forget();
        return RemoveAtRestart(strAside);
    }
    return RemoveAtRestart(strPath);
}

int CancelRestartRemovals(const std::vector<std::string>& paths)
{
    // The 9x family keeps its restart work in WININIT.INI, and has no wide registry calls.
    if (IsWin9xFamily())
        return 0;
    const CRegistryKey key = OpenRegistryKey(HKEY_LOCAL_MACHINE, kSessionManagerKey, KEY_QUERY_VALUE | KEY_SET_VALUE);
    const std::optional<std::wstring> operations = ReadRegistryMultiString(key, kPendingValue);
    if (!operations)
        return 0;
    std::vector<std::wstring> widePaths;
    for (const std::string& strPath : paths)
        widePaths.push_back(WideFromCp932(strPath));
    const std::wstring strKept = WithoutDeletionsOf(*operations, widePaths);
    if (strKept == *operations)
        return 0;
    const bool bWritten = strKept.empty() ? DeleteRegistryValue(key, kPendingValue)
                                          : WriteRegistryMultiString(key, kPendingValue, strKept);
    return bWritten ? 0 : 1;
}
