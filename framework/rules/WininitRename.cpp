#include "WininitRename.h"

#include "ShiftJisPath.h"

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

// The text from nStart to nEnd without the blanks around it.
std::string Trimmed(const std::string& strIni, size_t nStart, size_t nEnd)
{
    while (nStart < nEnd && IsBlank(strIni[nStart]))
        ++nStart;
    while (nEnd > nStart && IsBlank(strIni[nEnd - 1]))
        --nEnd;
    return strIni.substr(nStart, nEnd - nStart);
}

bool SameAsciiText(const std::string& strText, const char* pszLower)
{
    const std::string strLower(pszLower);
    if (strText.size() != strLower.size())
        return false;
    for (size_t i = 0; i < strText.size(); ++i) {
        if (AsciiLower(strText[i]) != strLower[i])
            return false;
    }
    return true;
}

bool IsRenameHeader(const std::string& strIni, size_t nStart, size_t nEnd)
{
    return SameAsciiText(Trimmed(strIni, nStart, nEnd), "[rename]");
}

bool IsHeader(const std::string& strIni, size_t nStart, size_t nEnd)
{
    const std::string strLine = Trimmed(strIni, nStart, nEnd);
    return !strLine.empty() && strLine[0] == '[';
}

std::string WithoutTrailingBackslash(std::string strPath)
{
    while (EndsWithBackslash(strPath))
        strPath.pop_back();
    return strPath;
}

// Whether the line from nStart to nEnd is NUL= and one of paths.
bool DeletesOneOf(const std::string& strIni, size_t nStart, size_t nEnd, const std::vector<std::string>& paths)
{
    const size_t nEquals = strIni.find('=', nStart);
    if (nEquals >= nEnd || !SameAsciiText(Trimmed(strIni, nStart, nEquals), "nul"))
        return false;
    const std::string strPath = WithoutTrailingBackslash(Trimmed(strIni, nEquals + 1, nEnd));
    for (const std::string& strOurs : paths) {
        if (SamePath(strPath, WithoutTrailingBackslash(strOurs)))
            return true;
    }
    return false;
}

}  // namespace

std::string AddWininitRename(const std::string& strIni, const std::string& strLine)
{
    for (size_t nStart = 0; nStart < strIni.size();) {
        const size_t nNewline = strIni.find('\n', nStart);
        const size_t nEnd = nNewline == std::string::npos ? strIni.size() : nNewline;
        if (IsRenameHeader(strIni, nStart, nEnd)) {
            // Right after the header; a header on the file's last line gets its line break.
            if (nNewline == std::string::npos)
                return strIni + "\r\n" + strLine + "\r\n";
            return strIni.substr(0, nNewline + 1) + strLine + "\r\n" + strIni.substr(nNewline + 1);
        }
        nStart = nEnd + 1;
    }
    const bool bOpenLine = !strIni.empty() && strIni.back() != '\n';
    return strIni + (bOpenLine ? "\r\n" : "") + "[rename]\r\n" + strLine + "\r\n";
}

std::string WithoutWininitDeletionsOf(const std::string& strIni, const std::vector<std::string>& paths)
{
    std::string strKept;
    bool bInRename = false;
    for (size_t nStart = 0; nStart < strIni.size();) {
        const size_t nNewline = strIni.find('\n', nStart);
        const size_t nEnd = nNewline == std::string::npos ? strIni.size() : nNewline;
        const size_t nNext = nNewline == std::string::npos ? strIni.size() : nNewline + 1;
        const bool bHeader = IsHeader(strIni, nStart, nEnd);
        if (bHeader)
            bInRename = IsRenameHeader(strIni, nStart, nEnd);
        if (bHeader || !bInRename || !DeletesOneOf(strIni, nStart, nEnd, paths))
            strKept.append(strIni, nStart, nNext - nStart);
        nStart = nNext;
    }
    return strKept;
}
