#pragma once

#include <optional>
#include <string>

// Whether what an install would replace under the product's names is ours: the saver file
// <id>.scr in the system directory and the programs-list entry under <id>. Every build of ours
// has written the saver's version block with OriginalFilename "<id>.SCR" and no company, and
// the entry with the quoted uninstaller in our folder followed by " /uninstall" and the saver
// as its icon; anything else under those names belongs to another program.
enum class Owner
{
    Nobody,   // nothing there
    Us,       // an earlier install of ours
    Another,  // someone else's: an install must not take it, nor an uninstall remove it
};

// The saver's name as found: no file, or a file with the version values it has (none without a
// version block).
struct FoundSaverFile
{
    bool m_bPresent = false;
    std::optional<std::string> m_strOriginalFilename;
    std::optional<std::string> m_strCompanyName;
};

// The programs-list entry as found: no key, or a key with the values it has.
struct FoundListEntry
{
    bool m_bPresent = false;
    std::optional<std::string> m_strUninstallString;
    std::optional<std::string> m_strDisplayIcon;
};

// Where an install of ours puts things here: our uninstaller and the saver's path (empty when
// the script names no saver).
struct OurPlaces
{
    std::string m_strProductId;
    std::string m_strUninstaller;
    std::string m_strSaverPath;
};

struct InstalledOwnership
{
    Owner m_saver = Owner::Nobody;
    Owner m_entry = Owner::Nobody;
};

InstalledOwnership JudgeOwnership(const FoundSaverFile& saver, const FoundListEntry& entry, const OurPlaces& ours);

// An install goes ahead only where each name is free or already ours.
bool RefusesInstall(const InstalledOwnership& ownership);
