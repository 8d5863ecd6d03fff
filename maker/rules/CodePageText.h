#pragma once

#include <string>

// Whether a UTF-8 text can be stored in a Windows code page, character by character.

enum TextFault
{
    TEXT_OK,
    TEXT_INVALID_UTF8,
    TEXT_CONTROL,     // a C0 or C1 control, or DEL
    TEXT_UNWRITABLE,  // a character the code page has no bytes for
};

struct TextCheck
{
    TextFault m_nFault = TEXT_OK;
    char32_t m_nCodePoint = 0;  // the first character at fault
    int m_nCharacters = 0;      // characters read, up to the fault
};

TextCheck CheckCodePageText(const std::string& strUtf8, int nCodePage);

// Valid UTF-8 without a control character.
bool IsPlainUtf8(const std::string& str);

// The text's bytes in the code page; false for a text that CheckCodePageText faults.
bool ToCodePage(const std::string& strUtf8, int nCodePage, std::string& strOut);

// U+XXXX's digits: at least four, upper case.
std::string HexCodePoint(char32_t nCodePoint);
std::string Utf8Of(char32_t nCodePoint);
