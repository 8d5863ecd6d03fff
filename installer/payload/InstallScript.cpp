#include "payload/InstallScript.h"

#include <algorithm>
#include <cstring>

void CInstallScript::Parse(const char* pText, size_t nSize)
{
    const char* pNul = static_cast<const char*>(memchr(pText, '\0', nSize));
    const std::string text(pText, pNul ? static_cast<size_t>(pNul - pText) : nSize);

    Section section = Section::None;
    size_t nPos = 0;
    for (;;) {
        const size_t nLf = text.find('\n', nPos);
        if (nLf == std::string::npos) {
            ParseLine(text.substr(nPos), section);
            return;
        }
        // The byte before the LF is the CR of a CR LF line end and is dropped, whatever it is.
        const size_t nLength = nLf > nPos ? nLf - nPos - 1 : 0;
        ParseLine(text.substr(nPos, nLength), section);
        nPos = nLf + 1;
    }
}

void CInstallScript::ParseLine(const std::string& line, Section& section)
{
    if (line.empty())
        return;
    if (line[0] == '[') {
        if (line == "[CONFIG]")
            section = Section::Config;
        else if (line == "[FILES]")
            section = Section::Files;
        else
            section = Section::None;
        return;
    }
    if (section == Section::Config)
        ParseConfigLine(line);
    else if (section == Section::Files)
        ParseFilesLine(line);
}

void CInstallScript::ParseConfigLine(const std::string& line)
{
    const size_t nEquals = line.find('=');
    if (nEquals == std::string::npos)
        return;
    const std::string key = line.substr(0, nEquals);
    std::string value = line.substr(nEquals + 1);
    if (key == "DISPLAYNAME")
        m_strDisplayName = std::move(value);
    else if (key == "EXECFILE")
        m_strExecFile = std::move(value);
    else if (key == "SCRNSAVE.EXE")
        m_strScreenSaver = std::move(value);
}

void CInstallScript::ParseFilesLine(const std::string& line)
{
    const size_t nComma = line.find(',');
    if (nComma == std::string::npos)
        return;
    m_files.push_back(FileEntry{line.substr(0, nComma), line.substr(nComma + 1)});
}

void CInstallScript::ExpandMacros(std::string& text, const std::string& strSystemDir)
{
    const size_t nEnd = std::min(text.size(), text.find('\0'));
    std::string out;
    size_t i = 0;
    while (i < nEnd) {
        if (text[i] == '$' && i + 1 < nEnd && text[i + 1] == '$') {
            out += '$';
            i += 2;
            continue;
        }
        if (text[i] == '$' && i + 1 < nEnd && text[i + 1] == '(') {
            const size_t j = text.find(')', i + 2);
            if (j != std::string::npos && j < nEnd) {
                if (text.compare(i + 2, j - i - 2, "SYSTEMDIR") == 0) {
                    out += strSystemDir;
                    // Only the last byte is looked at, as the platform's own path code does.
                    if (strSystemDir.empty() || strSystemDir.back() != '\\')
                        out += '\\';
                }
                i = j + 1;
                continue;
            }
        }
        out += text[i];
        ++i;
    }
    text = std::move(out);
}
