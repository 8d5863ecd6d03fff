#include "SaverDescription.h"

#include "CodePageText.h"
#include "SaverIds.h"
#include "TextLines.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <map>
#include <set>

namespace {

constexpr int kMaxIdLength = 32;
constexpr int kMaxNameLength = 60;
constexpr int kMaxTextLength = 120;
constexpr size_t kMaxCaptionBytes = 255;

// What a bad line says; the reader stops at the first.
struct Fault
{
    DescriptionError m_error;
};

[[noreturn]] void Fail(int nLine, const std::string& strMessage)
{
    throw Fault{DescriptionError{nLine, strMessage}};
}

std::string Lower(std::string str)
{
    std::transform(str.begin(), str.end(), str.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return str;
}

std::string Trim(const std::string& str)
{
    const size_t nFirst = str.find_first_not_of(" \t");
    if (nFirst == std::string::npos)
        return std::string();
    return str.substr(nFirst, str.find_last_not_of(" \t") - nFirst + 1);
}

// A ';' at the start of a line or after a blank begins a comment; elsewhere it is the value's.
std::string WithoutComment(const std::string& strLine)
{
    for (size_t i = 0; i < strLine.size(); ++i)
        if (strLine[i] == ';' && (i == 0 || strLine[i - 1] == ' ' || strLine[i - 1] == '\t'))
            return strLine.substr(0, i);
    return strLine;
}

bool IsAsciiAlnum(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

int ParseNumber(const std::string& strValue, int nLine, const std::string& strKey, int nMin, int nMax)
{
    const std::string strRange = std::to_string(nMin) + " to " + std::to_string(nMax);
    if (strValue.empty() || strValue.size() > 6 ||
        !std::all_of(strValue.begin(), strValue.end(), [](unsigned char c) { return std::isdigit(c) != 0; }))
        Fail(nLine, strKey + ": \"" + strValue + "\" is not a number from " + strRange);
    const int nValue = std::stoi(strValue);
    if (nValue < nMin || nValue > nMax)
        Fail(nLine, strKey + ": " + strValue + " is out of range: " + strRange);
    return nValue;
}

// The index of the value among the choices.
int ParseChoice(const std::string& strValue, int nLine, const std::string& strKey,
                std::initializer_list<const char*> choices)
{
    std::string strList;
    int nIndex = 0;
    for (const char* pszChoice : choices) {
        if (strValue == pszChoice)
            return nIndex;
        strList += (strList.empty() ? "" : " or ") + std::string(pszChoice);
        ++nIndex;
    }
    Fail(nLine, strKey + ": \"" + strValue + "\" is not one of " + strList);
}

void CheckId(const std::string& strId, int nLine, const std::string& strFrom)
{
    if (strId.empty())
        Fail(nLine, "id: " + strFrom + " has no letters or digits (A-Z, a-z, 0-9) to make an id of: give id=");
    if (!std::all_of(strId.begin(), strId.end(), IsAsciiAlnum))
        Fail(nLine, "id: \"" + strId + "\" may hold only letters and digits (A-Z, a-z, 0-9)");
    if (static_cast<int>(strId.size()) > kMaxIdLength)
        Fail(nLine, "id: \"" + strId + "\" is longer than " + std::to_string(kMaxIdLength) + " characters");
    const char* const reasons[] = {
        nullptr,
        "is a device name of Windows and cannot name a file",
        "is the id of the saver this maker ships",
        "is the name of a screen saver that Windows ships",
        "is a name that Windows or a well-known maker uses for its keys and folders",
    };
    const IdOwner owner = OwnerOfId(strId);
    if (owner != ID_FREE)
        Fail(nLine, "id: \"" + strId + "\" " + reasons[owner] + "; choose another (" +
                        (strFrom == "id" ? "id=" : "give id=") + ")");
}

void CheckText(const std::string& strKey, const std::string& strText, int nLine, int nMaxLength,
               const std::string& strLanguage)
{
    const TextCheck check = CheckCodePageText(strText, CodePageOf(strLanguage));
    if (check.m_nFault == TEXT_INVALID_UTF8)
        Fail(nLine, strKey + ": the text is not valid UTF-8");
    if (check.m_nFault == TEXT_CONTROL)
        Fail(nLine, strKey + ": the text holds a control character (U+" + HexCodePoint(check.m_nCodePoint) + ")");
    if (check.m_nFault == TEXT_UNWRITABLE)
        Fail(nLine, strKey + ": the character '" + Utf8Of(check.m_nCodePoint) + "' (U+" +
                        HexCodePoint(check.m_nCodePoint) + ") cannot be written in code page " +
                        std::to_string(CodePageOf(strLanguage)) + ", which language=" + strLanguage + " uses");
    if (check.m_nCharacters > nMaxLength)
        Fail(nLine, strKey + ": longer than " + std::to_string(nMaxLength) + " characters");
}

// The keys of the two sections of values, each taken once, with the line it was on.
using Values = std::map<std::string, std::pair<std::string, int>>;

const std::map<std::string, std::set<std::string>>& KnownKeys()
{
    static const std::map<std::string, std::set<std::string>> keys = {
        {"saver", {"name", "id", "credit", "publisher", "picture", "icon", "language"}},
        {"show", {"hold", "order", "fit", "maxsize", "caption"}},
    };
    return keys;
}

void ReadLine(const std::string& strLine, int nLine, std::string& strSection, Values& values,
              std::vector<PhotoEntry>& photos)
{
    const std::string strContent = Trim(WithoutComment(strLine));
    if (strContent.empty() || strContent[0] == '#')
        return;
    // Under [photos] a line that names no section is a name, which may begin with '['.
    const std::string strName = Lower(strContent);
    if (strName == "[saver]" || strName == "[show]" || strName == "[photos]") {
        strSection = strName.substr(1, strName.size() - 2);
        return;
    }
    if (strContent.front() == '[' && strSection != "photos")
        Fail(nLine, "unknown section " + strContent + ": the sections are [saver], [show] and [photos]");
    if (strSection.empty())
        Fail(nLine, "a line before the first section; begin with [saver]");
    if (strSection == "photos") {
        if (!IsPlainUtf8(strContent))
            Fail(nLine, "the line is not UTF-8 or holds a control character");
        photos.push_back(PhotoEntry{strContent, nLine, std::string()});
        return;
    }
    const size_t nEquals = strContent.find('=');
    if (nEquals == std::string::npos)
        Fail(nLine, "\"" + strContent + "\" is not of the form key=value");
    const std::string strKey = Lower(Trim(strContent.substr(0, nEquals)));
    if (KnownKeys().at(strSection).count(strKey) == 0)
        Fail(nLine, "unknown key \"" + strKey + "\" in [" + strSection + "]");
    if (values.count(strKey) != 0)
        Fail(nLine, strKey + ": given twice (first on line " + std::to_string(values[strKey].second) + ")");
    values[strKey] = {Trim(strContent.substr(nEquals + 1)), nLine};
}

void TakeValues(const Values& values, SaverDescription& description)
{
    const auto take = [&](const char* pszKey, auto apply) {
        const auto found = values.find(pszKey);
        if (found != values.end())
            apply(found->second.first, found->second.second);
    };
    take("language", [&](const std::string& v, int n) {
        const char* const languages[] = {"ja", "en"};
        description.m_strLanguage = languages[ParseChoice(v, n, "language", {"ja", "en"})];
    });
    const std::string& strLanguage = description.m_strLanguage;
    const auto found = values.find("name");
    if (found == values.end() || found->second.first.empty())
        Fail(found == values.end() ? 0 : found->second.second, "name: the saver needs a name ([saver] name=)");
    CheckText("name", found->second.first, found->second.second, kMaxNameLength, strLanguage);
    description.m_strName = found->second.first;
    take("credit", [&](const std::string& v, int n) {
        CheckText("credit", v, n, kMaxTextLength, strLanguage);
        description.m_strCredit = v;
    });
    take("publisher", [&](const std::string& v, int n) {
        CheckText("publisher", v, n, kMaxTextLength, strLanguage);
        description.m_strPublisher = v;
    });
    description.m_strId.clear();
    std::copy_if(description.m_strName.begin(), description.m_strName.end(), std::back_inserter(description.m_strId),
                 IsAsciiAlnum);
    if (static_cast<int>(description.m_strId.size()) > kMaxIdLength)
        description.m_strId.resize(kMaxIdLength);
    int nIdLine = found->second.second;
    std::string strIdFrom = "the name";
    take("id", [&](const std::string& v, int n) {
        description.m_strId = v;
        nIdLine = n;
        strIdFrom = "id";
    });
    CheckId(description.m_strId, nIdLine, strIdFrom);
    for (const char* pszKey : {"picture", "icon"})
        take(pszKey, [&](const std::string& v, int n) {
            if (!IsPlainUtf8(v))
                Fail(n, std::string(pszKey) + ": the name is not UTF-8 or holds a control character");
        });
    take("picture", [&](const std::string& v, int n) {
        description.m_strPicture = v;
        description.m_nPictureLine = n;
    });
    take("icon", [&](const std::string& v, int n) {
        description.m_strIcon = v;
        description.m_nIconLine = n;
    });
    ShowOptions& show = description.m_show;
    take("hold", [&](const std::string& v, int n) { show.m_nHoldSeconds = ParseNumber(v, n, "hold", 1, 3600); });
    take("order", [&](const std::string& v, int n) {
        show.m_nOrder = ParseChoice(v, n, "order", {"listed", "shuffle"});
    });
    take("fit", [&](const std::string& v, int n) { show.m_nFit = ParseChoice(v, n, "fit", {"fit", "fill", "blur"}); });
    take("caption", [&](const std::string& v, int n) {
        description.m_nCaption = ParseChoice(v, n, "caption", {"none", "text", "date"});
    });
    take("maxsize",
         [&](const std::string& v, int n) { description.m_nMaxSize = ParseNumber(v, n, "maxsize", 16, 8192); });
}

// With caption=text, "path = caption": the first " = " parts them, so a caption may hold one.
void TakeCaption(PhotoEntry& entry)
{
    const size_t nEquals = entry.m_strPath.find(" = ");
    if (nEquals == std::string::npos)
        return;
    entry.m_strCaption = Trim(entry.m_strPath.substr(nEquals + 3));
    entry.m_strPath = Trim(entry.m_strPath.substr(0, nEquals));
    if (entry.m_strCaption.size() > kMaxCaptionBytes)
        Fail(entry.m_nLine, "the caption is longer than " + std::to_string(kMaxCaptionBytes) + " bytes");
}

}  // namespace

bool ReadSaverDescription(const std::string& strText, SaverDescription& description, DescriptionError& error)
{
    description = SaverDescription{};
    try {
        std::string strSection;
        Values values;
        const bool bMarked = strText.compare(0, 3, "\xEF\xBB\xBF") == 0;
        const std::vector<std::string> lines = SplitLines(bMarked ? strText.substr(3) : strText);
        for (size_t i = 0; i < lines.size(); ++i)
            ReadLine(lines[i], static_cast<int>(i + 1), strSection, values, description.m_photos);
        TakeValues(values, description);
        if (description.m_nCaption == CAPTION_TEXT)
            for (PhotoEntry& entry : description.m_photos)
                TakeCaption(entry);
        if (description.m_photos.empty())
            Fail(0, "no photos: list files or folders under [photos]");
    } catch (const Fault& fault) {
        error = fault.m_error;
        return false;
    }
    return true;
}

int CodePageOf(const std::string& strLanguage)
{
    return strLanguage == "en" ? 1252 : 932;
}

bool IsPhotoName(const std::string& strName)
{
    // A hidden file is none, nor a Mac's ._ companion of a photo.
    const size_t nDot = strName.rfind('.');
    if (nDot == std::string::npos || strName[0] == '.')
        return false;
    const std::string strExtension = Lower(strName.substr(nDot));
    for (const char* pszPhoto : {".jpg", ".jpeg", ".png", ".heic", ".heif", ".webp"})
        if (strExtension == pszPhoto)
            return true;
    return false;
}

bool ComesBefore(const std::string& strA, const std::string& strB)
{
    size_t i = 0;
    size_t j = 0;
    while (i < strA.size() && j < strB.size()) {
        const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
        if (isDigit(strA[i]) && isDigit(strB[j])) {
            const size_t nStartA = strA.find_first_not_of('0', i);
            const size_t nStartB = strB.find_first_not_of('0', j);
            size_t nEndA = i;
            size_t nEndB = j;
            while (nEndA < strA.size() && isDigit(strA[nEndA]))
                ++nEndA;
            while (nEndB < strB.size() && isDigit(strB[nEndB]))
                ++nEndB;
            // Leading zeros do not count; then the longer run is the larger number.
            const std::string strRunA = strA.substr(std::min(nStartA, nEndA), nEndA - std::min(nStartA, nEndA));
            const std::string strRunB = strB.substr(std::min(nStartB, nEndB), nEndB - std::min(nStartB, nEndB));
            if (strRunA.size() != strRunB.size())
                return strRunA.size() < strRunB.size();
            if (strRunA != strRunB)
                return strRunA < strRunB;
            i = nEndA;
            j = nEndB;
            continue;
        }
        const int a = std::tolower(static_cast<unsigned char>(strA[i]));
        const int b = std::tolower(static_cast<unsigned char>(strB[j]));
        if (a != b)
            return a < b;
        ++i;
        ++j;
    }
    if ((strA.size() - i) != (strB.size() - j))
        return strA.size() - i < strB.size() - j;
    // Names that differ only in case or zeros still need one order.
    return strA < strB;
}
