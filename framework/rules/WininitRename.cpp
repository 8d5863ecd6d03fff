#include "WininitRename.h"

#include "ShiftJisPath.h"

namespace {

bool IsRenameHeader(const std::string& strIni, size_t nStart, size_t nEnd)
{
    while (nStart < nEnd && (strIni[nStart] == ' ' || strIni[nStart] == '\t'))
        ++nStart;
    while (nEnd > nStart && (strIni[nEnd - 1] == ' ' || strIni[nEnd - 1] == '\t' || strIni[nEnd - 1] == '\r'))
        --nEnd;
    static const char kHeader[] = "[rename]";
    if (nEnd - nStart != sizeof kHeader - 1)
        return false;
    for (size_t i = 0; i < sizeof kHeader - 1; ++i) {
        if (AsciiLower(strIni[nStart + i]) != kHeader[i])
            return false;
    }
    return true;
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
