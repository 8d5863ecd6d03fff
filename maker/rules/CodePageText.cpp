#include "CodePageText.h"

#include <iconv.h>

#include <cstdio>
#include <memory>

namespace {

// The next character of a UTF-8 text, or false at a byte sequence that is not one: overlong
// forms, surrogates and values past U+10FFFF included.
bool DecodeNext(const std::string& str, size_t& i, char32_t& nCodePoint)
{
    const unsigned char c = static_cast<unsigned char>(str[i]);
    int nMore = 0;
    char32_t nMin = 0;
    if (c < 0x80) {
        nCodePoint = c;
    } else if ((c & 0xE0) == 0xC0) {
        nCodePoint = c & 0x1F, nMore = 1, nMin = 0x80;
    } else if ((c & 0xF0) == 0xE0) {
        nCodePoint = c & 0x0F, nMore = 2, nMin = 0x800;
    } else if ((c & 0xF8) == 0xF0) {
        nCodePoint = c & 0x07, nMore = 3, nMin = 0x10000;
    } else {
        return false;
    }
    if (i + nMore >= str.size() && nMore > 0)
        return false;
    for (int k = 1; k <= nMore; ++k) {
        const unsigned char cNext = static_cast<unsigned char>(str[i + k]);
        if ((cNext & 0xC0) != 0x80)
            return false;
        nCodePoint = (nCodePoint << 6) | (cNext & 0x3F);
    }
    if (nCodePoint < nMin || nCodePoint > 0x10FFFF || (nCodePoint >= 0xD800 && nCodePoint <= 0xDFFF))
        return false;
    i += 1 + nMore;
    return true;
}

bool IsControl(char32_t nCodePoint)
{
    return nCodePoint < 0x20 || (nCodePoint >= 0x7F && nCodePoint <= 0x9F);
}

struct IconvClose
{
    void operator()(void* p) const { iconv_close(static_cast<iconv_t>(p)); }
};

bool IsWritable(iconv_t converter, char32_t nCodePoint)
{
    std::string strIn = Utf8Of(nCodePoint);
    char szOut[16];
    char* pIn = &strIn[0];
    size_t nIn = strIn.size();
    char* pOut = szOut;
    size_t nOut = sizeof szOut;
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    return iconv(converter, &pIn, &nIn, &pOut, &nOut) != static_cast<size_t>(-1) && nIn == 0;
}

}  // namespace

TextCheck CheckCodePageText(const std::string& strUtf8, int nCodePage)
{
    TextCheck check;
    const std::string strTarget = "CP" + std::to_string(nCodePage);
    const iconv_t converter = iconv_open(strTarget.c_str(), "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        check.m_nFault = TEXT_UNWRITABLE;
        return check;
    }
    const std::unique_ptr<void, IconvClose> closer(converter);
    for (size_t i = 0; i < strUtf8.size();) {
        char32_t nCodePoint = 0;
        if (!DecodeNext(strUtf8, i, nCodePoint)) {
            check.m_nFault = TEXT_INVALID_UTF8;
            return check;
        }
        check.m_nCodePoint = nCodePoint;
        if (IsControl(nCodePoint)) {
            check.m_nFault = TEXT_CONTROL;
            return check;
        }
        if (!IsWritable(converter, nCodePoint)) {
            check.m_nFault = TEXT_UNWRITABLE;
            return check;
        }
        ++check.m_nCharacters;
    }
    check.m_nCodePoint = 0;
    return check;
}

bool IsPlainUtf8(const std::string& str)
{
    for (size_t i = 0; i < str.size();) {
        char32_t nCodePoint = 0;
        if (!DecodeNext(str, i, nCodePoint) || IsControl(nCodePoint))
            return false;
    }
    return true;
}

bool ToCodePage(const std::string& strUtf8, int nCodePage, std::string& strOut)
{
    if (CheckCodePageText(strUtf8, nCodePage).m_nFault != TEXT_OK)
        return false;
    const std::string strTarget = "CP" + std::to_string(nCodePage);
    const iconv_t converter = iconv_open(strTarget.c_str(), "UTF-8");
    const std::unique_ptr<void, IconvClose> closer(converter);
    std::string strIn = strUtf8;
    // No character of these code pages takes more than two bytes.
    strOut.assign(strIn.size() * 2, '\0');
    char* pIn = &strIn[0];
    size_t nIn = strIn.size();
    char* pOut = &strOut[0];
    size_t nOut = strOut.size();
    if (!strIn.empty() && iconv(converter, &pIn, &nIn, &pOut, &nOut) == static_cast<size_t>(-1))
        return false;
    strOut.resize(strOut.size() - nOut);
    return true;
}

std::string HexCodePoint(char32_t nCodePoint)
{
    char szHex[16];
    std::snprintf(szHex, sizeof szHex, "%04X", static_cast<unsigned>(nCodePoint));
    return szHex;
}

std::string Utf8Of(char32_t n)
{
    std::string str;
    if (n < 0x80) {
        str += static_cast<char>(n);
    } else if (n < 0x800) {
        str += static_cast<char>(0xC0 | (n >> 6));
        str += static_cast<char>(0x80 | (n & 0x3F));
    } else if (n < 0x10000) {
        str += static_cast<char>(0xE0 | (n >> 12));
        str += static_cast<char>(0x80 | ((n >> 6) & 0x3F));
        str += static_cast<char>(0x80 | (n & 0x3F));
    } else {
        str += static_cast<char>(0xF0 | (n >> 18));
        str += static_cast<char>(0x80 | ((n >> 12) & 0x3F));
        str += static_cast<char>(0x80 | ((n >> 6) & 0x3F));
        str += static_cast<char>(0x80 | (n & 0x3F));
    }
    return str;
}
