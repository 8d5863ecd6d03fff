#pragma once

#include <string>

// The platform's answers that come as a path in a MAX_PATH buffer, all of one shape: the text
// as the platform gives it, or empty when the call fails or its answer does not fit.

// Without a trailing backslash, except for a root folder.
std::string QueryWindowsDirectory();
std::string QuerySystemDirectory();
// With a trailing backslash.
std::string QueryTempFolder();

// This program's own file.
std::string QueryModulePath();

// The short (8.3) or long form of an existing file's path. The long form's call came with
// Windows 2000 and 98 and is bound at run time: before them it gives nothing.
std::string QueryShortPath(const std::string& strPath);
std::string QueryLongPath(const std::string& strPath);

// The text with its environment variables (%SystemRoot%) expanded.
std::string QueryExpandedText(const std::string& strText);
