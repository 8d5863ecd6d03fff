#include "TextLines.h"

std::vector<std::string> SplitLines(const std::string& strText)
{
    std::vector<std::string> lines;
    size_t nStart = 0;
    for (;;) {
        const size_t nEnd = strText.find('\n', nStart);
        std::string strLine = strText.substr(nStart, nEnd == std::string::npos ? std::string::npos : nEnd - nStart);
        if (nEnd != std::string::npos && !strLine.empty() && strLine.back() == '\r')
            strLine.pop_back();
        lines.push_back(std::move(strLine));
        if (nEnd == std::string::npos)
            return lines;
        nStart = nEnd + 1;
    }
}
