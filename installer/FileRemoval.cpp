#include "FileRemoval.h"

#include "File.h"
#include "FsRedirection.h"

#include <windows.h>

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
    return RemoveAtRestart(strPath) ? FileRemoval::AtRestart : FileRemoval::Failed;
}
