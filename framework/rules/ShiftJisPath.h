#pragma once

#include <string>

// Paths are Shift-JIS byte strings: a backslash byte (0x5C) may be the second half of a
// double-byte character (表, ソ), so separators are found character by character.

// ASCII letters only: the platform folds no other character of a name, and a trail byte must
// never be folded.
char AsciiLower(char c);
wchar_t AsciiLower(wchar_t c);

// Whether the last character (not merely the last byte) is a backslash.
bool EndsWithBackslash(const std::string& strPath);

// The folder and the name with one backslash between them.
std::string JoinPath(const std::string& strFolder, const std::string& strName);

// The directory part of a path, up to and including its last separator; empty when the path
// names no directory.
std::string DirectoryOf(const std::string& strPath);

// Whether two paths name the same file as the platform compares names: ASCII letters match
// either case, double-byte characters (trail bytes included) only exactly.
bool SamePath(const std::string& a, const std::string& b);
