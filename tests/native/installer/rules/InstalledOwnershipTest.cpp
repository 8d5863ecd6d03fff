// Owning tier of what counts as ours under the product's names (the saver file and the
// programs-list entry): a native table. The Wine tier adds the refusal's wiring.
#include "rules/InstalledOwnership.h"

#include <gtest/gtest.h>

namespace {

const char kUninstaller[] = "C:\\Program Files\\Orvanta\\uninstall.exe";
const char kSaver[] = "C:\\WINDOWS\\system32\\Orvanta.scr";
const char kCommand[] = "\"C:\\Program Files\\Orvanta\\uninstall.exe\" /uninstall";

}  // namespace

TEST(JudgeOwnership, OurVersionBlockAndOurEntryAreOursAnythingElseUnderTheNamesIsAnothers)
{
    using S = std::optional<std::string>;
    const S none;
    const struct
    {
        FoundSaverFile saver;
        FoundListEntry entry;
        const char* pszSaverPath;
        Owner saverOwner;
        Owner entryOwner;
        bool bRefused;
    } rows[] = {
        {{false, none, none}, {false, none, none}, kSaver, Owner::Nobody, Owner::Nobody, false},
        // Every build of ours: "<id>.SCR", an empty company, our command and icon in any case.
        {{true, S("Orvanta.SCR"), S("")}, {true, S(kCommand), S(kSaver)}, kSaver, Owner::Us, Owner::Us, false},
        {{true, S("Orvanta.SCR"), none},
         {true, S("\"c:\\program files\\orvanta\\UNINSTALL.EXE\" /uninstall"), S("C:\\windows\\SYSTEM32\\orvanta.scr")},
         kSaver,
         Owner::Us,
         Owner::Us,
         false},
        // A vendor's file: its company, its own spelling, no version block.
        {{true, S("Orvanta.SCR"), S("Orvanta Inc.")}, {}, kSaver, Owner::Another, Owner::Nobody, true},
        {{true, S("orvanta.scr"), S("")}, {}, kSaver, Owner::Another, Owner::Nobody, true},
        {{true, S("Orvanta.SCR.MUI"), S("")}, {}, kSaver, Owner::Another, Owner::Nobody, true},
        {{true, none, none}, {}, kSaver, Owner::Another, Owner::Nobody, true},
        // Another program's entry: its uninstaller, our uninstaller under another switch or icon,
        // a key without values.
        {{},
         {true, S("MsiExec.exe /X{12345678-1234-1234-1234-123456789012}"), none},
         kSaver,
         Owner::Nobody,
         Owner::Another,
         true},
        {{},
         {true, S("\"C:\\Program Files\\Orvanta\\uninstall.exe\""), S(kSaver)},
         kSaver,
         Owner::Nobody,
         Owner::Another,
         true},
        {{},
         {true, S(kCommand), S("C:\\Program Files\\Orvanta\\orvanta.exe,0")},
         kSaver,
         Owner::Nobody,
         Owner::Another,
         true},
        {{}, {true, S(kCommand), none}, kSaver, Owner::Nobody, Owner::Another, true},
        {{}, {true, none, none}, kSaver, Owner::Nobody, Owner::Another, true},
        // A script that names no saver writes no icon.
        {{}, {true, S(kCommand), none}, "", Owner::Nobody, Owner::Us, false},
        {{}, {true, S(kCommand), S(kSaver)}, "", Owner::Nobody, Owner::Another, true},
        // One foreign name is enough to refuse.
        {{true, S("Orvanta.SCR"), S("")},
         {true, S("\"C:\\x\\uninstall.exe\" /uninstall"), S(kSaver)},
         kSaver,
         Owner::Us,
         Owner::Another,
         true},
    };
    for (const auto& row : rows) {
        const InstalledOwnership ownership =
            JudgeOwnership(row.saver, row.entry, {"Orvanta", kUninstaller, row.pszSaverPath});
        const std::string strRow = row.saver.m_strOriginalFilename.value_or("-") + " | " +
                                   row.entry.m_strUninstallString.value_or("-") + " | " +
                                   row.entry.m_strDisplayIcon.value_or("-");
        EXPECT_EQ(ownership.m_saver, row.saverOwner) << strRow;
        EXPECT_EQ(ownership.m_entry, row.entryOwner) << strRow;
        EXPECT_EQ(RefusesInstall(ownership), row.bRefused) << strRow;
    }
}
