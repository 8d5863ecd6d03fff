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

char AsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

wchar_t AsciiLower(wchar_t c)
{
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

bool EndsWithBackslash(const std::string& strPath)
{
    return !strPath.empty() && strPath.back() == '\\' && EndOfLastSeparator(strPath) == strPath.size();
}

std::string JoinPath(const std::string& strFolder, const std::string& strName)
{
    return strFolder + (EndsWithBackslash(strFolder) ? "" : "\\") + strName;
}

std::string DirectoryOf(const std::string& strPath)
{
    return strPath.substr(0, EndOfLastSeparator(strPath));
}

bool SamePath(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (IsLeadByte(static_cast<unsigned char>(a[i])) && i + 1 < a.size()) {
            if (a[i] != b[i] || a[i + 1] != b[i + 1])
                return false;
            ++i;
        } else if (AsciiLower(a[i]) != AsciiLower(b[i])) {
            return false;
        }
    }
    return true;
}
