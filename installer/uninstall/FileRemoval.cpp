#include "uninstall/FileRemoval.h"

#include "File.h"
#include "FsRedirection.h"
#include "install/TempFile.h"

#include <windows.h>

FileRemoval RemoveInstalledFile(const std::string& strPath)
{
    // The installed files' paths name the native system directory, also for a 32-bit uninstaller.
    const CFsRedirectionGuard native;
    if (!native.SeesNativeFiles())
        return FileRemoval::Failed;
    if (!FileExists(strPath))
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
    if (aside.Path().empty() || !MoveFileReplacing(strPath, aside.Path()))
        return RemoveAtRestart(strPath);
    // The file in use lives under that name now; an install's sweep of our temporary files
    // takes it too once it is let go.
    const std::string strAside = aside.Path();
    aside.Forget();
    if (RemoveAtRestart(strAside))
        return true;
    // Back under its own name, so that no setting that names it finds it missing.
    MoveFileReplacing(strAside, strPath);
    return false;
}
