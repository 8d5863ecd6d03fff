// Owning tier of the WININIT.INI [rename] text rules: native, one table each.
#include "WininitRename.h"

#include <gtest/gtest.h>

TEST(WininitRename, AddsTheLineToTheRenameSectionAndKeepsEverythingElse)
{
    const std::string strLine = "NUL=C:\\WINDOWS\\SYSTEM\\ORVANTA.SCR";
    const struct
    {
        const char* m_pszIni;
        const char* m_pszExpected;
    } rows[] = {
        {"", "[rename]\r\nNUL=C:\\WINDOWS\\SYSTEM\\ORVANTA.SCR\r\n"},
        {"[other]\r\na=1", "[other]\r\na=1\r\n[rename]\r\nNUL=C:\\WINDOWS\\SYSTEM\\ORVANTA.SCR\r\n"},
        // A second line of the same key stays beside the first.
        {"[Rename]\r\nNUL=C:\\A.TMP\r\n[x]\r\n",
         "[Rename]\r\nNUL=C:\\WINDOWS\\SYSTEM\\ORVANTA.SCR\r\nNUL=C:\\A.TMP\r\n[x]\r\n"},
        {"[x]\n  [RENAME] \nC:\\B=C:\\A\n", "[x]\n  [RENAME] \nNUL=C:\\WINDOWS\\SYSTEM\\ORVANTA.SCR\r\nC:\\B=C:\\A\n"},
        {"[rename]", "[rename]\r\nNUL=C:\\WINDOWS\\SYSTEM\\ORVANTA.SCR\r\n"},
        {"[renamed]\r\n", "[renamed]\r\n[rename]\r\nNUL=C:\\WINDOWS\\SYSTEM\\ORVANTA.SCR\r\n"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(AddWininitRename(row.m_pszIni, strLine), row.m_pszExpected) << row.m_pszIni;
}

TEST(WininitRename, TakesBackOnlyTheRenameSectionsDeletionsOfOurPaths)
{
    const std::vector<std::string> paths = {"C:\\WINDOWS\\SYSTEM\\ORVANTA.SCR", "C:\\Program Files\\Orvanta\\",
                                            "C:\\PROGRA~1\\ORVANTA\\UNINST~1.EXE", "C:\\\x83\x41\\\x95\x5c"};
    const struct
    {
        const char* m_pszIni;
        const char* m_pszExpected;
    } rows[] = {
        {"", ""},
        {"[rename]\r\nNUL=C:\\WINDOWS\\SYSTEM\\ORVANTA.SCR\r\n", "[rename]\r\n"},
        // Either case, blanks around key and path, other lines kept in their order.
        {"[Rename]\r\nNUL=C:\\A.TMP\r\n nul = c:\\windows\\system\\orvanta.scr \r\nNUL=C:\\B.TMP\r\n",
         "[Rename]\r\nNUL=C:\\A.TMP\r\nNUL=C:\\B.TMP\r\n"},
        // The folder's long form with or without its backslash, the uninstaller's short form.
        {"[rename]\nNUL=C:\\Program Files\\Orvanta\nNUL=C:\\PROGRA~1\\ORVANTA\\UNINST~1.EXE\n", "[rename]\n"},
        {"[rename]\r\nNUL=C:\\Program Files\\Orvanta\\\r\n", "[rename]\r\n"},
        // Another section's line, a rename onto our name and a longer name stay.
        {"[other]\r\nNUL=C:\\WINDOWS\\SYSTEM\\ORVANTA.SCR\r\n[rename]\r\nC:\\WINDOWS\\SYSTEM\\ORVANTA.SCR=C:\\N.TMP\r\n"
         "NUL=C:\\WINDOWS\\SYSTEM\\ORVANTA.SCR.OLD\r\n",
         "[other]\r\nNUL=C:\\WINDOWS\\SYSTEM\\ORVANTA.SCR\r\n[rename]\r\nC:\\WINDOWS\\SYSTEM\\ORVANTA.SCR=C:\\N.TMP\r\n"
         "NUL=C:\\WINDOWS\\SYSTEM\\ORVANTA.SCR.OLD\r\n"},
        // A section after [rename] ends it.
        {"[rename]\r\nNUL=C:\\A.TMP\r\n[x]\r\nNUL=C:\\WINDOWS\\SYSTEM\\ORVANTA.SCR",
         "[rename]\r\nNUL=C:\\A.TMP\r\n[x]\r\nNUL=C:\\WINDOWS\\SYSTEM\\ORVANTA.SCR"},
        // The last line without its line break.
        {"[rename]\r\nNUL=C:\\A.TMP\r\nNUL=C:\\WINDOWS\\SYSTEM\\ORVANTA.SCR", "[rename]\r\nNUL=C:\\A.TMP\r\n"},
        // A double-byte character matches only exactly: its trail byte is never folded.
        {"[rename]\r\nNUL=c:\\\x83\x41\\\x95\x5c\r\nNUL=C:\\\x83\x61\\\x95\x5c\r\n",
         "[rename]\r\nNUL=C:\\\x83\x61\\\x95\x5c\r\n"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(WithoutWininitDeletionsOf(row.m_pszIni, paths), row.m_pszExpected) << row.m_pszIni;
}
