// Owning tier of the screen saver policy's reading: a native table. The end-to-end run under a
// forced saver adds the wiring.
#include "rules/SaverPolicy.h"

#include <gtest/gtest.h>

TEST(ReadSaverPolicy, ANamedSaverOrSaversOffDecideTheMachineFirstTimeoutAndPasswordAloneDoNot)
{
    using S = std::optional<std::string>;
    const S none;
    const PolicyValues nothing;
    const struct
    {
        PolicyValues machine;
        PolicyValues user;
        PolicyChoice choice;
        const char* pszSaver;
    } rows[] = {
        {nothing, nothing, PolicyChoice::None, ""},
        // Only the timeout, the password or "on": the install goes on as without a policy.
        {nothing, {none, none, S("1"), S("600")}, PolicyChoice::None, ""},
        {{none, S("1"), none, none}, nothing, PolicyChoice::None, ""},
        // "Force specific screen saver", in either hive, as a path or a bare name.
        {nothing,
         {S("C:\\Windows\\System32\\Mystify.scr"), none, none, none},
         PolicyChoice::NamesSaver,
         "C:\\Windows\\System32\\Mystify.scr"},
        {{S("Ribbons.scr"), S("1"), S("1"), S("300")}, nothing, PolicyChoice::NamesSaver, "Ribbons.scr"},
        {nothing,
         {S("  %SystemRoot%\\system32\\x.scr "), none, none, none},
         PolicyChoice::NamesSaver,
         "%SystemRoot%\\system32\\x.scr"},
        // The machine's value first; a blank one sets nothing.
        {{S("Bubbles.scr"), none, none, none},
         {S("Mystify.scr"), none, none, none},
         PolicyChoice::NamesSaver,
         "Bubbles.scr"},
        {{S(" "), none, none, none}, {S("Mystify.scr"), none, none, none}, PolicyChoice::NamesSaver, "Mystify.scr"},
        // Savers off, over a named one, from either hive; the machine's "on" over the user's "off".
        {nothing, {S("Mystify.scr"), S("0"), none, none}, PolicyChoice::SaversOff, ""},
        {{none, S("0"), none, none}, {S("Mystify.scr"), none, none, none}, PolicyChoice::SaversOff, ""},
        {{none, S("1"), none, none}, {none, S("0"), none, none}, PolicyChoice::None, ""},
    };
    for (const auto& row : rows) {
        const SaverPolicy policy = ReadSaverPolicy(row.machine, row.user);
        const std::string strRow = row.machine.m_strSaver.value_or("-") + "/" + row.machine.m_strActive.value_or("-") +
                                   " | " + row.user.m_strSaver.value_or("-") + "/" + row.user.m_strActive.value_or("-");
        EXPECT_EQ(policy.m_choice, row.choice) << strRow;
        EXPECT_EQ(policy.m_strSaver, row.pszSaver) << strRow;
        EXPECT_EQ(PolicyDecides(policy), row.choice != PolicyChoice::None) << strRow;
    }
}
