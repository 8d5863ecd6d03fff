#pragma once

#include <string>
#include <vector>

// The platform's list of work for the next restart (PendingFileRenameOperations): pairs of
// NUL-terminated wide paths, each "\??\"-prefixed, a source and its new name, where an empty
// new name deletes the source; one more NUL ends the list.

// The list without the deletions of paths (compared without regard to ASCII case or a
// trailing backslash); empty when nothing else is left.
std::wstring WithoutDeletionsOf(const std::wstring& strOperations, const std::vector<std::wstring>& paths);
