#include "ShiftJisPath.h"

namespace {

bool IsLeadByte(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Index one past the last single-byte separator ('\\' or '/'), or 0 when there is none.
size_t EndOfLastSeparator(const std::string& strPath)
{
    size_t nEnd = 0;
    for (size_t i = 0; i < strPath.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(strPath[i]);
        if (IsLeadByte(c) && i + 1 < strPath.size())
            ++i;
        else if (c == '\\' || c == '/')
            nEnd = i + 1;
    }
    return nEnd;
}

}  // namespace

bool EndsWithBackslash(const std::string& strPath)
{
    return !strPath.empty() && strPath.back() == '\\' && EndOfLastSeparator(strPath) == strPath.size();
}

std::string DirectoryOf(const std::string& strPath)
{
    return strPath.substr(0, EndOfLastSeparator(strPath));
}

std::string ProfilePath(const std::string& strWindowsDir)
{
    return strWindowsDir + (EndsWithBackslash(strWindowsDir) ? "" : "\\") + "system.ini";
}
