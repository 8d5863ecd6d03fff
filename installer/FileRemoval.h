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
