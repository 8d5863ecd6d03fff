#pragma once

#include "rules/InstallPlan.h"
#include "rules/InstalledOwnership.h"

#include <string>

// What lies under the saver's path where the desktop looks for it (the native system
// directory): no file, or a file with the version values it has.
FoundSaverFile FindSaverFile(const std::string& strPath);

// Whose are the saver file and the programs-list entry that the plan's install would take.
InstalledOwnership FindInstalledOwnership(const InstallPlan& plan);
