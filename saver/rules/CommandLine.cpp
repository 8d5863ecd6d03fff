#include "CommandLine.h"

namespace {

const char* SkipProgramName(const char* p)
{
    while (*p != '\0' && *p != ' ') {
        if (*p++ == '"') {
            while (*p != '\0' && *p != '"')
                ++p;
            if (*p == '"')
                ++p;
        }
    }
    return p;
}

bool IsAtoiSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

SaverMode ModeOfLetter(char cLetter)
{
    switch (cLetter) {
    case 'a':
        return MODE_CHANGE_PASSWORD;
    case 'c':
        return MODE_CONFIG;
    case 'l':
        return MODE_WINDOWED;
    case 'p':
    case 's':
        return MODE_SAVER;
    default:
        return MODE_NONE;
    }
}

}  // namespace

int64_t ParseWindowNumber(const char* psz)
{
    while (IsAtoiSpace(*psz))
        ++psz;
    const bool bNegative = *psz == '-';
    if (*psz == '-' || *psz == '+')
        ++psz;
    uint32_t nValue = 0;
    for (; *psz >= '0' && *psz <= '9'; ++psz)
        nValue = nValue * 10u + static_cast<uint32_t>(*psz - '0');
    if (bNegative)
        nValue = 0u - nValue;
    return static_cast<int32_t>(nValue);
}

SaverCommand ParseCommandLine(const char* pszCommandLine)
{
    SaverCommand command;
    if (pszCommandLine == nullptr)
        return command;
    const char* p = SkipProgramName(pszCommandLine);
    while (*p == ' ')
        ++p;
    if (*p != '-' && *p != '/')
        return command;
    // Lower case by the ASCII bit; a NUL becomes a blank, which is no letter.
    const char cLetter = static_cast<char>(p[1] | 0x20);
    command.m_nMode = ModeOfLetter(cLetter);
    if (cLetter == 'a' || cLetter == 'p')
        command.m_nWindow = ParseWindowNumber(p + 2);
    return command;
}
