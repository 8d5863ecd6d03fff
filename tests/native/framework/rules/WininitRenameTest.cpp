// Owning tier of the WININIT.INI [rename] text rule: native, one table.
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
        {"[Rename]\r\nNUL=C:\\A.TMP\r\n[x]\r\n", "[Rename]\r\nNUL=C:\\WINDOWS\\SYSTEM\\ORVANTA.SCR\r\nNUL=C:\\A.TMP\r\n[x]\r\n"},
        {"[x]\n  [RENAME] \nC:\\B=C:\\A\n", "[x]\n  [RENAME] \nNUL=C:\\WINDOWS\\SYSTEM\\ORVANTA.SCR\r\nC:\\B=C:\\A\n"},
        {"[rename]", "[rename]\r\nNUL=C:\\WINDOWS\\SYSTEM\\ORVANTA.SCR\r\n"},
        {"[renamed]\r\n", "[renamed]\r\n[rename]\r\nNUL=C:\\WINDOWS\\SYSTEM\\ORVANTA.SCR\r\n"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(AddWininitRename(row.m_pszIni, strLine), row.m_pszExpected) << row.m_pszIni;
}
