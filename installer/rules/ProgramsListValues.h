#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The entry that lists the product among the installed programs, under
// HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\<kProductKey>.
extern const char kProductKey[];
extern const char kUninstallKeyPath[];

// One value of the entry: text (in the product's code page, written wide) or a 32-bit number.
struct ProgramsListValue
{
    std::string m_strName;
    bool m_bNumber = false;
    std::string m_strText;
    uint32_t m_nNumber = 0;
};

struct ProgramsListFacts
{
    std::string m_strProductName;    // the name the list shows
    std::string m_strSaverPath;      // the installed saver, for the icon; may be empty
    std::string m_strFolder;         // our folder under the program files directory, with '\'
    std::string m_strUninstaller;    // the uninstaller program in that folder
    uint64_t m_nInstalledBytes = 0;  // every file put in place, the uninstaller included
};

// The command that uninstalls, as the entry names it: the quoted program, then the switches.
std::string UninstallCommand(const std::string& strUninstaller, bool bSilent);

// Every value but the publisher, a text of the program's resources.
std::vector<ProgramsListValue> ProgramsListValues(const ProgramsListFacts& facts);
