#pragma once

#include <string>

enum class FileRemoval
{
    Removed,
    Missing,    // nothing there, or a folder that is not ours to remove
    AtRestart,  // in use (a running saver): the platform removes it on the next restart
    Failed,
};

// Removes one installed file. Every removal of an installed file goes through here.
FileRemoval RemoveInstalledFile(const std::string& strPath);

// Leaves a file in use to the next restart under a temporary name of ours in its folder, so
// that the restart never removes a file installed again under its name; where it cannot be
// renamed, under its own name, which the next install takes back. False when the platform
// keeps no restart work.
bool RemoveFileAtRestart(const std::string& strPath);
