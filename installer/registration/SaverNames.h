#pragma once

#include <string>
#include <vector>

// The forms under which our saver is registered: its long path and its short one (the long
// again where it has none). The short form exists only while the file does.
std::vector<std::string> SaverNames(const std::string& strSaverPath);
