#pragma once

#include <string>

// Paths are Shift-JIS byte strings: a backslash byte (0x5C) may be the second half of a
// double-byte character (表, ソ), so separators are found character by character.

// Whether the last character (not merely the last byte) is a backslash.
bool EndsWithBackslash(const std::string& strPath);

// The directory part of a path, up to and including its last separator; empty when the path
// names no directory.
std::string DirectoryOf(const std::string& strPath);

// The 9x family's system.ini in the given Windows directory.
std::string ProfilePath(const std::string& strWindowsDir);

// Whether two paths name the same file as the platform compares names: ASCII letters match
// either case, double-byte characters (trail bytes included) only exactly.
bool SamePath(const std::string& a, const std::string& b);
