#include "CaptionDate.h"

namespace {

// The number of the digits at [nFirst, nFirst + nCount), or -1.
int Digits(const std::string& str, size_t nFirst, size_t nCount)
{
    int n = 0;
    for (size_t i = nFirst; i < nFirst + nCount; ++i) {
        if (i >= str.size() || str[i] < '0' || str[i] > '9')
            return -1;
        n = n * 10 + (str[i] - '0');
    }
    return n;
}

int DaysIn(int nYear, int nMonth)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool bLeap = (nYear % 4 == 0 && nYear % 100 != 0) || nYear % 400 == 0;
    return nMonth == 2 && bLeap ? 29 : days[nMonth - 1];
}

}  // namespace

std::string DateCaption(const std::string& strExifDate, const std::string& strLanguage)
{
    static const char* const months[] = {"January", "February", "March",     "April",   "May",      "June",
                                         "July",    "August",   "September", "October", "November", "December"};
    const int nYear = Digits(strExifDate, 0, 4);
    const int nMonth = Digits(strExifDate, 5, 2);
    const int nDay = Digits(strExifDate, 8, 2);
    if (strExifDate.size() < 10 || strExifDate[4] != ':' || strExifDate[7] != ':' || nYear < 1 || nMonth < 1 ||
        nMonth > 12 || nDay < 1 || nDay > DaysIn(nYear, nMonth))
        return std::string();
    if (strLanguage == "ja")
        return std::to_string(nYear) + "\u5e74" + std::to_string(nMonth) + "\u6708" + std::to_string(nDay) + "\u65e5";
    return std::to_string(nDay) + " " + months[nMonth - 1] + " " + std::to_string(nYear);
}
