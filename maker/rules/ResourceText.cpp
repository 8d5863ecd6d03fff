#include "ResourceText.h"

namespace {

bool IsShiftJisLead(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

}  // namespace

std::string ResourceString(const std::string& strCodePageText, int nCodePage)
{
    std::string str = "\"";
    for (size_t i = 0; i < strCodePageText.size(); ++i) {
        const char c = strCodePageText[i];
        if (nCodePage == 932 && IsShiftJisLead(static_cast<unsigned char>(c)) && i + 1 < strCodePageText.size()) {
            str += c;
            str += strCodePageText[++i];
        } else if (c == '\\') {
            str += "\\\\";
        } else if (c == '"') {
            str += "\"\"";
        } else {
            str += c;
        }
    }
    return str + "\"";
}
