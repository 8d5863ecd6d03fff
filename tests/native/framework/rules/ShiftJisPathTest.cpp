// Owning tier of the Shift-JIS path rules: native tables.
#include "ShiftJisPath.h"

#include <gtest/gtest.h>

TEST(JoinPath, AddsABackslashOnlyWhenTheLastCharacterIsNotOne)
{
    EXPECT_EQ(JoinPath("C:\\WINDOWS", "system.ini"), "C:\\WINDOWS\\system.ini");
    EXPECT_EQ(JoinPath("C:\\", "system.ini"), "C:\\system.ini");
    // "C:\表" ends in the byte 0x5C, but that is the second half of 表.
    EXPECT_EQ(JoinPath("C:\\\x95\x5c", "system.ini"), "C:\\\x95\x5c\\system.ini");
    EXPECT_EQ(JoinPath("C:\\\x95\x5c\\", "system.ini"), "C:\\\x95\x5c\\system.ini");
    EXPECT_EQ(JoinPath("", "system.ini"), "\\system.ini");
}

TEST(DirectoryOf, FindsTheLastSeparatorCharacterNotTrailBytes)
{
    EXPECT_EQ(DirectoryOf("C:\\windows\\system32\\Orvanta.scr"), "C:\\windows\\system32\\");
    EXPECT_EQ(DirectoryOf("C:\\Orvanta.scr"), "C:\\");
    EXPECT_EQ(DirectoryOf("dir/a.scr"), "dir/");
    EXPECT_EQ(DirectoryOf("Orvanta.scr"), "");
    EXPECT_EQ(DirectoryOf(""), "");
    // "C:\ソフト\表.scr": both ソ (0x83 0x5C) and 表 (0x95 0x5C) carry a 0x5C trail byte.
    EXPECT_EQ(DirectoryOf("C:\\\x83\x5c\x83\x74\x83\x67\\\x95\x5c.scr"), "C:\\\x83\x5c\x83\x74\x83\x67\\");
    EXPECT_EQ(DirectoryOf("\x95\x5c.scr"), "");
    // A lead byte at the very end stands alone; a backslash before it still counts.
    EXPECT_EQ(DirectoryOf("a\\\x95"), "a\\");
}

TEST(SamePath, FoldsAsciiCaseOnlyOutsideDoubleByteCharacters)
{
    EXPECT_TRUE(SamePath("C:\\Windows\\ORVANTA.scr", "c:\\windows\\orvanta.SCR"));
    EXPECT_FALSE(SamePath("C:\\a.scr", "C:\\a.scr "));
    // 0x83 0x61 (ア's neighbour チ) and 0x83 0x41 (ア) differ only by a would-be ASCII case.
    EXPECT_FALSE(SamePath("C:\\\x83\x61.scr", "C:\\\x83\x41.scr"));
    EXPECT_TRUE(SamePath("C:\\\x83\x41.scr", "C:\\\x83\x41.SCR"));
}
