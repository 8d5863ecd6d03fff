#pragma once

#include <string>

// A text as a string literal of a resource script, from its bytes in the script's code page
// (932 or 1252). windres has the preprocessor read the script in that code page, so a Shift-JIS
// character whose second byte is 0x5C stays that character; a single 0x5C (a backslash, and in
// 932 also the yen sign that U+00A5 becomes) would begin an escape and is doubled, as the
// script's own quote is.
std::string ResourceString(const std::string& strCodePageText, int nCodePage);
