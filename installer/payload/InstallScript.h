#pragma once

#include <cstddef>
#include <string>
#include <vector>

// One file to install: a member of the payload archive and where it goes.
struct FileEntry
{
    std::string m_strSource;
    std::string m_strDestination;  // unexpanded in the script, expanded in the plan
};

// The install script (resource IDR_INSTALL_SCRIPT): an INI-like Shift-JIS text handled purely
// as bytes.
class CInstallScript
{
public:
    std::string m_strExecFile;
    std::string m_strDisplayName;
    std::string m_strScreenSaver;  // unexpanded
    std::vector<FileEntry> m_files;

    // Reads resource IDR_INSTALL_SCRIPT of the program's own module and parses it.
    void Load();

    // Parses the text up to nSize bytes or the first NUL, whichever comes first.
    void Parse(const char* pText, size_t nSize);

    // The text that Parse reads back as this script, CR LF lines (InstallScriptWriter.cpp). False
    // when a value holds a line end or NUL, or a file's source a comma or a leading '[', which no
    // script can carry.
    bool Write(std::string& strText) const;

    // Expands $(SYSTEMDIR), given the system directory as GetSystemDirectoryA returns it.
    static void ExpandMacros(std::string& text, const std::string& strSystemDir);

private:
    enum class Section
    {
        None,
        Config,
        Files
    };

    void ParseLine(const std::string& line, Section& section);
    void ParseConfigLine(const std::string& line);
    void ParseFilesLine(const std::string& line);
};
