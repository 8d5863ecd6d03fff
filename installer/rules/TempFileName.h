#pragma once

#include <string>

// The prefix of the temporary files that an install makes beside its destinations.
const char kTempFilePrefix[] = "orv";

// Whether a file name is one that the platform gives a temporary file of ours: the prefix,
// one to four hexadecimal digits and ".tmp", in any case.
bool IsInstallTempName(const std::string& strName);
