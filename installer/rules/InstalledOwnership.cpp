#include "rules/InstalledOwnership.h"

#include "ShiftJisPath.h"
#include "rules/ProgramsListValues.h"

namespace {

Owner SaverOwner(const FoundSaverFile& saver, const std::string& strProductId)
{
    if (!saver.m_bPresent)
        return Owner::Nobody;
    // Byte for byte as our version block has it: a vendor's file of the same name has its own
    // spelling or names its company.
    const bool bOurs = saver.m_strOriginalFilename == strProductId + ".SCR" &&
                       (!saver.m_strCompanyName || saver.m_strCompanyName->empty());
    return bOurs ? Owner::Us : Owner::Another;
}

bool NamesPlace(const std::optional<std::string>& value, const std::string& strPlace)
{
    return value && !strPlace.empty() && SamePath(*value, strPlace);
}

Owner EntryOwner(const FoundListEntry& entry, const OurPlaces& ours)
{
    if (!entry.m_bPresent)
        return Owner::Nobody;
    // Our command, whatever case the program files folder's path was spelt in.
    const std::string strCommand = UninstallCommand(ours.m_strUninstaller, false);
    const bool bOurCommand = !ours.m_strUninstaller.empty() && NamesPlace(entry.m_strUninstallString, strCommand);
    const bool bOurIcon =
        ours.m_strSaverPath.empty() ? !entry.m_strDisplayIcon : NamesPlace(entry.m_strDisplayIcon, ours.m_strSaverPath);
    return bOurCommand && bOurIcon ? Owner::Us : Owner::Another;
}

}  // namespace

InstalledOwnership JudgeOwnership(const FoundSaverFile& saver, const FoundListEntry& entry, const OurPlaces& ours)
{
    return InstalledOwnership{SaverOwner(saver, ours.m_strProductId), EntryOwner(entry, ours)};
}

bool RefusesInstall(const InstalledOwnership& ownership)
{
    return ownership.m_saver == Owner::Another || ownership.m_entry == Owner::Another;
}
