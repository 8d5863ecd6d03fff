#pragma once

#include "rules/InstallPlan.h"
#include "rules/InstalledOwnership.h"

#include <string>

// What an install leaves beside the saver so that it can be undone: the uninstaller, a copy
// of this program in a folder of ours under the program files directory, and the entry that
// lists the product among the installed programs.
class CProgramsListEntry
{
public:
    // Our folder, with a trailing backslash; empty when the program files directory is unknown.
    static std::string Folder();
    static std::string UninstallerPath();

    // Copies this program in as the uninstaller (unless it is that copy) and writes the entry:
    // 0, or 1 when either failed.
    static int Register(const InstallPlan& plan);
    static bool EntryExists();
    // The entry under our key as it is, whoever wrote it.
    static FoundListEntry Find();
    // 0 when the entry is gone (or was never there).
    static int RemoveEntry();
};

// Whether strPath names this program, however either path is spelt (short or long forms).
bool IsThisProgram(const std::string& strPath);
