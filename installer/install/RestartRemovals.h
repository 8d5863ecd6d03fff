#pragma once

#include <string>
#include <vector>

// Takes back every restart deletion of these paths (files or folders that an install uses
// again): 0, or 1 when the platform's list could not be rewritten.
int CancelRestartRemovals(const std::vector<std::string>& paths);
