#pragma once

#include <string>
#include <vector>

// WININIT.INI with strLine ("NUL=C:\PATH\FILE.EXT") added to its [rename] section, which the
// 9x family works through, in order, at the next start. That section may hold one key many
// times, so the line is added as text rather than through the profile calls, which would
// replace an earlier line of the same key. Other sections and lines stay byte for byte.
std::string AddWininitRename(const std::string& strIni, const std::string& strLine);

// WININIT.INI without the [rename] lines that delete one of paths ("NUL=" and the path, compared
// as the platform compares names, a trailing backslash aside); the caller names each path in
// every form a line may spell it (long, short). Every other line and line end stays byte for byte.
std::string WithoutWininitDeletionsOf(const std::string& strIni, const std::vector<std::string>& paths);
