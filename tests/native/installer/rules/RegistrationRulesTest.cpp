// Whose hive an install writes, what it records of the saver it replaces, what an uninstall
// puts back, the values of the uninstall entry, and which restart work an install takes back.
#include "rules/InstallerSwitches.h"
#include "rules/PendingRemovals.h"
#include "rules/PreviousSaver.h"
#include "rules/ProgramsListValues.h"
#include "rules/RegistrationTarget.h"

#include <gtest/gtest.h>

#include <map>

namespace {

const std::vector<std::string> kOurs = {"C:\\WINDOWS\\system32\\Orvanta.scr", "C:\\WINDOWS\\system32\\ORVANT~1.SCR"};

}  // namespace

TEST(RegistrationTarget, TheShellUsersHiveOnlyWhenItsAccountDiffers)
{
    const RegistrationTarget same = ChooseRegistrationTarget("S-1-5-21-1-500", "S-1-5-21-1-500");
    EXPECT_FALSE(UnderAllUsers(same));
    EXPECT_FALSE(same.m_bLaunchThroughShell);
    EXPECT_EQ(TargetKeyPath(same, "Control Panel\\Desktop"), "Control Panel\\Desktop");

    const RegistrationTarget other = ChooseRegistrationTarget("S-1-5-21-1-500", "S-1-5-21-1-1001");
    EXPECT_TRUE(UnderAllUsers(other));
    EXPECT_TRUE(other.m_bLaunchThroughShell);
    EXPECT_EQ(TargetKeyPath(other, "Control Panel\\Desktop"), "S-1-5-21-1-1001\\Control Panel\\Desktop");

    // No shell, or one whose account cannot be read: our own hive, started by ourselves.
    const RegistrationTarget none = ChooseRegistrationTarget("S-1-5-21-1-500", "");
    EXPECT_FALSE(UnderAllUsers(none) || none.m_bLaunchThroughShell);
    // Our own account unreadable: the shell's user is still the one to serve.
    EXPECT_EQ(ChooseRegistrationTarget("", "S-1-5-21-1-1001").m_strUserSid, "S-1-5-21-1-1001");
}

TEST(PreviousSaver, OurSaverIsNamedInEitherFormAndAnyAsciiCase)
{
    const struct
    {
        SaverValue value;
        bool bOurs;
    } rows[] = {
        {SaverValue(kOurs[0]), true},
        {SaverValue("c:\\windows\\SYSTEM32\\orvant~1.scr"), true},
        {SaverValue("C:\\x\\other.scr"), false},
        {SaverValue(""), false},
        {SaverValue(), false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(NamesOurSaver(row.value, kOurs), row.bOurs) << row.value.value_or("(none)");
    EXPECT_FALSE(NamesOurSaver(SaverValue(kOurs[0]), {""}));
}

TEST(PreviousSaver, TheUsersLatestSaverIsRecordedOursKeepsTheRecord)
{
    using Recorded = std::optional<SaverValue>;
    const SaverValue other("C:\\x\\other.scr");
    const struct
    {
        bool bRecorded;
        SaverValue current;
        bool bOurs;
        Recorded expected;
    } rows[] = {
        {false, other, false, Recorded(other)},
        {false, SaverValue(), false, Recorded(SaverValue())},
        {false, SaverValue(""), false, Recorded(SaverValue(""))},
        // Chosen since the first install: it replaces the record.
        {true, other, false, Recorded(other)},
        {true, SaverValue(), false, Recorded(SaverValue())},
        // Our own saver is never what was there before.
        {false, SaverValue(kOurs[1]), true, Recorded(SaverValue())},
        {true, SaverValue(kOurs[1]), true, Recorded()},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ValueToRecord(row.bRecorded, row.current, row.bOurs), row.expected)
            << row.bRecorded << " " << row.current.value_or("(none)") << " " << row.bOurs;
}

TEST(PreviousSaver, RestoreOnlyWhileTheValueStillNamesOurSaver)
{
    const struct
    {
        bool bOurs;
        std::optional<SaverValue> recorded;
        bool bRecordedThere;
        RestoreStep expected;
    } rows[] = {
        {true, SaverValue("C:\\x\\other.scr"), true, RestoreStep::Put},
        // The recorded saver was uninstalled since: none rather than a missing file.
        {true, SaverValue("C:\\x\\other.scr"), false, RestoreStep::Remove},
        {true, SaverValue(), false, RestoreStep::Remove},
        // Nothing recorded (an install of old): ours goes, nothing is invented.
        {true, std::nullopt, false, RestoreStep::Remove},
        {false, SaverValue("C:\\x\\other.scr"), true, RestoreStep::Leave},
        {false, SaverValue("C:\\x\\other.scr"), false, RestoreStep::Leave},
        {false, std::nullopt, false, RestoreStep::Leave},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ChooseRestore(row.bOurs, row.recorded, row.bRecordedThere), row.expected)
            << row.bOurs << " " << row.bRecordedThere;
}

TEST(ProgramsListValues, ValuesNameTheUninstallerAndRoundTheSizeUp)
{
    ProgramsListFacts facts;
    facts.m_strProductName = "Orvanta\x83\x58";
    facts.m_strSaverPath = "C:\\WINDOWS\\system32\\Orvanta.scr";
    facts.m_strFolder = "C:\\Program Files\\Orvanta\\";
    facts.m_strUninstaller = "C:\\Program Files\\Orvanta\\uninstall.exe";
    facts.m_nInstalledBytes = 2049;
    std::map<std::string, ProgramsListValue> byName;
    for (const ProgramsListValue& value : ProgramsListValues(facts))
        EXPECT_TRUE(byName.emplace(value.m_strName, value).second) << value.m_strName;

    EXPECT_EQ(byName.size(), 9u);
    EXPECT_EQ(byName["DisplayName"].m_strText, "Orvanta\x83\x58");
    EXPECT_EQ(byName["DisplayVersion"].m_strText, "1.0.0.1");
    EXPECT_EQ(byName["DisplayIcon"].m_strText, facts.m_strSaverPath);
    EXPECT_EQ(byName["InstallLocation"].m_strText, facts.m_strFolder);
    EXPECT_TRUE(byName["EstimatedSize"].m_bNumber);
    EXPECT_EQ(byName["EstimatedSize"].m_nNumber, 3u);
    EXPECT_TRUE(byName["NoModify"].m_bNumber && byName["NoModify"].m_nNumber == 1);
    EXPECT_TRUE(byName["NoRepair"].m_bNumber && byName["NoRepair"].m_nNumber == 1);
    EXPECT_EQ(byName["UninstallString"].m_strText, "\"C:\\Program Files\\Orvanta\\uninstall.exe\" /uninstall");
    EXPECT_EQ(byName["QuietUninstallString"].m_strText, "\"C:\\Program Files\\Orvanta\\uninstall.exe\" /uninstall /S");

    // The entry's commands must ask the uninstaller for what they promise.
    const InstallerSwitches quiet = ParseSwitches(ArgumentsOf(byName["QuietUninstallString"].m_strText));
    EXPECT_TRUE(quiet.m_bUnderstood && quiet.m_bUninstall && quiet.m_bSilent);
    const InstallerSwitches loud = ParseSwitches(ArgumentsOf(byName["UninstallString"].m_strText));
    EXPECT_TRUE(loud.m_bUnderstood && loud.m_bUninstall && !loud.m_bSilent);

    facts.m_strSaverPath.clear();
    EXPECT_EQ(ProgramsListValues(facts).size(), 8u) << "no icon without a saver";
}

TEST(PendingRemovals, AnInstallTakesBackOnlyTheDeletionsOfItsOwnNames)
{
    using namespace std::string_literals;
    const std::vector<std::wstring> ours = {L"C:\\windows\\system32\\Orvanta.scr", L"C:\\Program Files\\Orvanta\\"};
    const std::wstring saver = L"\\??\\C:\\WINDOWS\\system32\\orvanta.SCR\0\0"s;
    const std::wstring folder = L"\\??\\C:\\Program Files\\Orvanta\0\0"s;
    const std::wstring other = L"\\??\\C:\\x\\old.dll\0\0"s;
    const std::wstring renameOfOurs = L"\\??\\C:\\x\\new.scr\0\\??\\C:\\windows\\system32\\Orvanta.scr\0"s;
    const std::wstring end = L"\0"s;
    const struct
    {
        std::wstring operations;
        std::wstring expected;
    } rows[] = {
        {saver + end, L""},
        {saver + other + folder + end, other + end},
        {other + end, other + end},
        // Another program's rename that ends on one of our names is not a deletion.
        {renameOfOurs + saver + end, renameOfOurs + end},
        {L"", L""},
        // A list cut short keeps what it has.
        {other + L"\\??\\C:\\x\\cut", other + L"\\??\\C:\\x\\cut\0\0\0"s},
    };
    for (size_t i = 0; i < sizeof(rows) / sizeof(rows[0]); ++i)
        EXPECT_TRUE(WithoutDeletionsOf(rows[i].operations, ours) == rows[i].expected) << "row " << i;
}
