#include "ShowOptions.h"

#include "TextLines.h"

#include <initializer_list>
#include <string>

namespace {

constexpr int kMaxHoldSeconds = 3600;

bool ParseHold(const std::string& strValue, int& nSeconds)
{
    if (strValue.empty() || strValue.size() > 4 || strValue.find_first_not_of("0123456789") != std::string::npos)
        return false;
    // Digit by digit: the saver imports no number parser of the C library for four digits.
    nSeconds = 0;
    for (const char c : strValue)
        nSeconds = nSeconds * 10 + (c - '0');
    return nSeconds >= 1 && nSeconds <= kMaxHoldSeconds;
}

// The value's place among the choices.
bool ParseChoice(const std::string& strValue, std::initializer_list<const char*> choices, int& nChoice)
{
    int i = 0;
    for (const char* pszChoice : choices) {
        if (strValue == pszChoice) {
            nChoice = i;
            return true;
        }
        ++i;
    }
    return false;
}

// One line without its end; a key seen before is refused.
bool ParseLine(const std::string& strLine, ShowOptions& options, unsigned& nSeen)
{
    const size_t nEquals = strLine.find('=');
    if (nEquals == std::string::npos)
        return false;
    const std::string strKey = strLine.substr(0, nEquals);
    const std::string strValue = strLine.substr(nEquals + 1);
    const char* const keys[] = {"hold", "order", "fit"};
    for (unsigned i = 0; i < 3; ++i) {
        if (strKey != keys[i])
            continue;
        if ((nSeen & (1u << i)) != 0)
            return false;
        nSeen |= 1u << i;
        switch (i) {
        case 0:
            return ParseHold(strValue, options.m_nHoldSeconds);
        case 1:
            return ParseChoice(strValue, {"listed", "shuffle"}, options.m_nOrder);
        default:
            return ParseChoice(strValue, {"fit", "fill", "blur"}, options.m_nFit);
        }
    }
    return false;
}

}  // namespace

ShowOptions ParseShowOptions(const char* pText, size_t nSize)
{
    ShowOptions options;
    if (pText == nullptr)
        return options;
    unsigned nSeen = 0;
    for (const std::string& strLine : SplitLines(std::string(pText, nSize))) {
        if (!strLine.empty() && !ParseLine(strLine, options, nSeen))
            return ShowOptions{};
    }
    return options;
}
