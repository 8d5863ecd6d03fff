#include "UninstallerCleanup.h"

#include "File.h"
#include "InstalledProduct.h"
#include "ScopedHandle.h"
#include "ShiftJisPath.h"

#include <windows.h>

#include <string>

namespace {

// How long the copy waits for the uninstaller to end, then for its file to let go.
const DWORD kEndTimeout = 60000;
const DWORD kReleaseTimeout = 10000;
const DWORD kRetryPeriod = 50;

void RemoveAtRestart(const std::string& strProgram, const std::string& strFolder)
{
    ::RemoveAtRestart(strProgram);
    ::RemoveAtRestart(strFolder);
}

bool DeleteWhenReleased(const std::string& strPath)
{
    const DWORD nStart = GetTickCount();
    for (;;) {
        if (DeleteFileA(strPath.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND)
            return true;
        if (GetTickCount() - nStart >= kReleaseTimeout)
            return false;
        Sleep(kRetryPeriod);
    }
}

bool RemoveFolder(const std::string& strFolder)
{
    return RemoveDirectoryA(strFolder.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND ||
           GetLastError() == ERROR_PATH_NOT_FOUND;
}

std::string TempCopyPath()
{
    char szTempDir[MAX_PATH];
    char szTemp[MAX_PATH];
    const DWORD nLength = GetTempPathA(MAX_PATH, szTempDir);
    if (nLength == 0 || nLength >= MAX_PATH || !GetTempFileNameA(szTempDir, "orv", 0, szTemp))
        return std::string();
    return szTemp;
}

}  // namespace

void CUninstallerCleanup::Start()
{
    if (!StartCopy())
        RemoveAtRestart(CInstalledProduct::UninstallerPath(), CInstalledProduct::Folder());
}

bool CUninstallerCleanup::StartCopy()
{
    const std::string strProgram = ModulePath();
    const std::string strCopy = TempCopyPath();
    if (strProgram.empty() || strCopy.empty())
        return false;
    if (!CopyFileA(strProgram.c_str(), strCopy.c_str(), FALSE)) {
        DeleteFileA(strCopy.c_str());
        return false;
    }
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    // No write access and no write sharing: the loader maps the copy as an image.
    const HANDLE hCopy = CreateFileA(strCopy.c_str(), GENERIC_READ | DELETE, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                     &inherit, OPEN_EXISTING, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (hCopy == INVALID_HANDLE_VALUE) {
        DeleteFileA(strCopy.c_str());
        return false;
    }
    const CKernelHandle copy(hCopy);
    HANDLE hSelf = nullptr;
    if (!DuplicateHandle(GetCurrentProcess(), GetCurrentProcess(), GetCurrentProcess(), &hSelf, SYNCHRONIZE, TRUE, 0))
        return false;
    const CKernelHandle self(hSelf);

    std::string strCommand = "\"" + strCopy + "\" /cleanup " +
                             std::to_string(static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(hSelf)));
    // Started in the temporary folder, so that the copy holds nothing in ours.
    const std::string strTempDir = DirectoryOf(strCopy);
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(strCopy.c_str(), &strCommand[0], nullptr, nullptr, TRUE, 0, nullptr, strTempDir.c_str(),
                        &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

int CUninstallerCleanup::Run(unsigned long long nProcessHandle)
{
    const CKernelHandle uninstaller(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(nProcessHandle)));
    // No uninstaller that ended (not started by one), or a product installed again meanwhile:
    // nothing here is ours to remove.
    if (WaitForSingleObject(uninstaller.Get(), kEndTimeout) != WAIT_OBJECT_0 || CInstalledProduct::EntryExists())
        return 0;
    const std::string strProgram = CInstalledProduct::UninstallerPath();
    const std::string strFolder = CInstalledProduct::Folder();
    if (!strProgram.empty() && (!DeleteWhenReleased(strProgram) || !RemoveFolder(strFolder)))
        RemoveAtRestart(strProgram, strFolder);
    return 0;
}
