#include "rules/TempFileName.h"

#include "ShiftJisPath.h"

#include <cctype>
#include <cstring>

namespace {

bool EqualsIgnoringCase(const std::string& strText, size_t nPos, const char* pszWord)
{
    const size_t nLength = std::strlen(pszWord);
    if (strText.size() < nPos + nLength)
        return false;
    for (size_t i = 0; i < nLength; ++i) {
        if (AsciiLower(strText[nPos + i]) != pszWord[i])
            return false;
    }
    return true;
}

}  // namespace

bool IsInstallTempName(const std::string& strName)
{
    const size_t nPrefix = sizeof(kTempFilePrefix) - 1;
    const char kExtension[] = ".tmp";
    const size_t nExtension = sizeof(kExtension) - 1;
    if (strName.size() < nPrefix + 1 + nExtension || strName.size() > nPrefix + 4 + nExtension)
        return false;
    const size_t nDigitsEnd = strName.size() - nExtension;
    for (size_t i = nPrefix; i < nDigitsEnd; ++i) {
        if (!std::isxdigit(static_cast<unsigned char>(strName[i])))
            return false;
    }
    return EqualsIgnoringCase(strName, 0, kTempFilePrefix) && EqualsIgnoringCase(strName, nDigitsEnd, kExtension);
}
