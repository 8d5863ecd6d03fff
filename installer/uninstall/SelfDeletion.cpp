#include "uninstall/SelfDeletion.h"

#include "File.h"
#include "HandleInheritList.h"
#include "PathQuery.h"
#include "ScopedHandle.h"
#include "ShiftJisPath.h"
#include "SystemInfo.h"
#include "install/InstallerLock.h"
#include "registration/ProgramsListEntry.h"
#include "rules/TempFileName.h"
#include "uninstall/FileRemoval.h"

#include <windows.h>

#include <string>

namespace {

// How long the copy waits for the uninstaller to end, then for its file to let go.
const DWORD kEndTimeout = 60000;
const DWORD kReleaseTimeout = 10000;
const DWORD kRetryPeriod = 50;

// The uninstaller left to the restart, under a temporary name, and with it the folder, which
// the platform removes only if nothing else is in it by then.
void LeaveToRestart(const std::string& strProgram, const std::string& strFolder)
{
    if (RemoveFileAtRestart(strProgram))
        RemoveAtRestart(strFolder);
}

enum class Attempt
{
    Done,
    Again,
};

// One try under the installers' lock: an install that ran meanwhile owns the names again, so
// each try looks first. A folder that still holds files of the user's stays.
Attempt TryRemove(const std::string& strProgram, const std::string& strFolder, bool bLastTry)
{
    const CInstallerLock lock(INFINITE);
    if (CProgramsListEntry::EntryExists())
        return Attempt::Done;
    if (DeleteFileA(strProgram.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND) {
        RemoveDirectoryA(strFolder.c_str());
        return Attempt::Done;
    }
    if (!bLastTry)
        return Attempt::Again;
    LeaveToRestart(strProgram, strFolder);
    return Attempt::Done;
}

std::string TempCopyPath()
{
    const std::string strTempDir = QueryTempFolder();
    char szTemp[MAX_PATH];
    if (strTempDir.empty() || !GetTempFileNameA(strTempDir.c_str(), kTempFilePrefix, 0, szTemp))
        return std::string();
    return szTemp;
}

}  // namespace

void CSelfDeletion::Start()
{
    if (!StartCopy())
        LeaveToRestart(CProgramsListEntry::UninstallerPath(), CProgramsListEntry::Folder());
}

bool CSelfDeletion::StartCopy()
{
    const std::string strProgram = QueryModulePath();
    const std::string strCopy = TempCopyPath();
    if (strProgram.empty() || strCopy.empty())
        return false;
    if (!CopyFileA(strProgram.c_str(), strCopy.c_str(), FALSE)) {
        DeleteFileA(strCopy.c_str());
        return false;
    }
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    // No write access and no write sharing: the loader maps the copy as an image. The 9x family
    // refuses FILE_SHARE_DELETE and has no DELETE right to ask for.
    const bool bNt = !IsWin9xFamily();
    const HANDLE hCopy = CreateFileA(strCopy.c_str(), bNt ? GENERIC_READ | DELETE : GENERIC_READ,
                                     bNt ? FILE_SHARE_READ | FILE_SHARE_DELETE : FILE_SHARE_READ, &inherit,
                                     OPEN_EXISTING, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
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
    // Only its two handles: a caller's pipe must close when the uninstaller ends, not the copy.
    const CHandleInheritList handles({hCopy, hSelf});
    STARTUPINFOEXA startup{};
    startup.StartupInfo.cb = handles.Get() ? sizeof(STARTUPINFOEXA) : sizeof(STARTUPINFOA);
    startup.StartupInfo.dwFlags = STARTF_USESTDHANDLES;
    startup.lpAttributeList = handles.Get();
    const DWORD nFlags = handles.Get() ? EXTENDED_STARTUPINFO_PRESENT : 0;
    PROCESS_INFORMATION process{};
    const auto start = [&](DWORD nMoreFlags) {
        return CreateProcessA(strCopy.c_str(), &strCommand[0], nullptr, nullptr, TRUE, nFlags | nMoreFlags, nullptr,
                              strTempDir.c_str(), &startup.StartupInfo, &process) != FALSE;
    };
    // Outside the caller's job where it allows that, so that a tool waiting for its job's end
    // does not wait for the copy.
    if (!start(CREATE_BREAKAWAY_FROM_JOB) && !start(0))
        return false;
    const CKernelHandle thread(process.hThread);
    const CKernelHandle started(process.hProcess);
    return true;
}

int CSelfDeletion::Run(unsigned long long nProcessHandle)
{
    const CKernelHandle uninstaller(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(nProcessHandle)));
    // No uninstaller that ended: not started by one, nothing here is ours to remove.
    if (WaitForSingleObject(uninstaller.Get(), kEndTimeout) != WAIT_OBJECT_0)
        return 0;
    const std::string strProgram = CProgramsListEntry::UninstallerPath();
    const std::string strFolder = CProgramsListEntry::Folder();
    if (strProgram.empty())
        return 0;
    const DWORD nStart = GetTickCount();
    while (TryRemove(strProgram, strFolder, GetTickCount() - nStart >= kReleaseTimeout) == Attempt::Again)
        Sleep(kRetryPeriod);
    return 0;
}
