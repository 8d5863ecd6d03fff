// Owning tier of what counts as ours under the product's names (the saver file and the
// programs-list entry): a native table. The Wine tier adds the refusal's wiring.
#include "rules/InstalledOwnership.h"

#include <gtest/gtest.h>

namespace {

using S = std::optional<std::string>;
const S kNone;
const char kUninstaller[] = "C:\\Program Files\\Orvanta\\uninstall.exe";
const char kSaver[] = "C:\\WINDOWS\\system32\\Orvanta.scr";
const S kCommand("\"C:\\Program Files\\Orvanta\\uninstall.exe\" /uninstall");
const FoundSaverFile kNoFile;
const FoundListEntry kNoEntry;
const FoundSaverFile kOurFile{true, S("Orvanta.SCR"), S("")};

FoundListEntry Entry(const S& command, const S& icon)
{
    return FoundListEntry{true, command, icon};
}

}  // namespace

TEST(JudgeOwnership, OurVersionBlockAndOurEntryAreOursAnythingElseUnderTheNamesIsAnothers)
{
    const struct
    {
        FoundSaverFile saver;
        FoundListEntry entry;
        const char* pszSaverPath;
        Owner saverOwner;
        Owner entryOwner;
    } rows[] = {
        {kNoFile, kNoEntry, kSaver, Owner::Nobody, Owner::Nobody},
        // Every build of ours: "<id>.SCR", no company, our command and icon in any case.
        {kOurFile, Entry(kCommand, S(kSaver)), kSaver, Owner::Us, Owner::Us},
        {{true, S("Orvanta.SCR"), kNone},
         Entry(S("\"c:\\program files\\orvanta\\UNINSTALL.EXE\" /uninstall"), S("C:\\windows\\SYSTEM32\\orvanta.scr")),
         kSaver,
         Owner::Us,
         Owner::Us},
        // A vendor's file: its company, its own spelling, no version block.
        {{true, S("Orvanta.SCR"), S("Orvanta Inc.")}, kNoEntry, kSaver, Owner::Another, Owner::Nobody},
        {{true, S("orvanta.scr"), S("")}, kNoEntry, kSaver, Owner::Another, Owner::Nobody},
        {{true, kNone, kNone}, kNoEntry, kSaver, Owner::Another, Owner::Nobody},
        // Another program's entry: its uninstaller, ours without the switch, another icon, none.
        {kNoFile, Entry(S("MsiExec.exe /X{1234}"), kNone), kSaver, Owner::Nobody, Owner::Another},
        {kNoFile, Entry(S(std::string("\"") + kUninstaller + "\""), S(kSaver)), kSaver, Owner::Nobody, Owner::Another},
        {kNoFile, Entry(kCommand, S("C:\\Program Files\\Orvanta\\o.exe,0")), kSaver, Owner::Nobody, Owner::Another},
        {kNoFile, Entry(kCommand, kNone), kSaver, Owner::Nobody, Owner::Another},
        // A script that names no saver writes no icon.
        {kNoFile, Entry(kCommand, kNone), "", Owner::Nobody, Owner::Us},
        {kNoFile, Entry(kCommand, S(kSaver)), "", Owner::Nobody, Owner::Another},
        // One foreign name is enough to refuse.
        {kOurFile, Entry(S("\"C:\\x\\uninstall.exe\" /uninstall"), S(kSaver)), kSaver, Owner::Us, Owner::Another},
    };
    for (const auto& row : rows) {
        const InstalledOwnership ownership =
            JudgeOwnership(row.saver, row.entry, {"Orvanta", kUninstaller, row.pszSaverPath});
        const std::string strRow = row.saver.m_strOriginalFilename.value_or("-") + " | " +
                                   row.entry.m_strUninstallString.value_or("-") + " | " +
                                   row.entry.m_strDisplayIcon.value_or("-");
        EXPECT_EQ(ownership.m_saver, row.saverOwner) << strRow;
        EXPECT_EQ(ownership.m_entry, row.entryOwner) << strRow;
        EXPECT_EQ(RefusesInstall(ownership), row.saverOwner == Owner::Another || row.entryOwner == Owner::Another)
            << strRow;
    }
}
