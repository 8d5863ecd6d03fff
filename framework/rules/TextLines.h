#pragma once

#include <string>
#include <vector>

// A text's lines: split at each LF, one CR before it dropped; the bytes after the last LF are the
// last line, empty when the text ends with one.
std::vector<std::string> SplitLines(const std::string& strText);
