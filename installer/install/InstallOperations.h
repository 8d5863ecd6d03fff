#pragma once

#include "payload/InstallScript.h"

#include <string>
#include <vector>

class CReplacedFiles;

// An install's result: 0 installed, 1 failed, or refused before anything was changed.
const int kInstallRefused = 2;

// What an install does, as the worker and the progress dialog call it. CPlannedOperations
// performs it on this system; tests substitute a fake.
class CInstallOperations
{
public:
    virtual ~CInstallOperations() = default;

    // Whether another program's saver file or programs-list entry has our name: the install
    // must not take it.
    virtual bool NamesTakenByAnother() = 0;

    // The entries to write, in order.
    virtual const std::vector<FileEntry>& Files() const = 0;

    // Writes one entry, recording in replaced the file that it took the place of: 0 when
    // written, 1 on failure.
    virtual int ExtractFile(const FileEntry& entry, CReplacedFiles& replaced) = 0;

    // Names the installed saver as the desktop's screen saver: 0, or 1 when that failed.
    virtual int RegisterScreenSaver() = 0;

    // Records how to undo the install and where its uninstaller is: 0, or 1 when that failed.
    virtual int RegisterUninstall() = 0;

    // Starts the command named for after a successful install; a failure passes silently.
    virtual void LaunchExecFile() = 0;

    // What a successful install's outcome says in place of the plain success: why the desktop's
    // saver is not the one installed. Empty when there is nothing to say.
    virtual std::wstring SuccessNotice() const = 0;
};
