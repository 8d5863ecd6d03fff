// The installer's platform-free decisions: progress, Shift-JIS paths and the split of the
// command started after an install.
#include "ExecCommand.h"
#include "InstallRules.h"
#include "ShiftJisPath.h"

#include <gtest/gtest.h>

TEST(ProgressPosition, ThreeEntriesGiveZeroEightyFiveOneHundredSeventy)
{
    EXPECT_EQ(ProgressPosition(0, 3), 0);
    EXPECT_EQ(ProgressPosition(1, 3), 85);
    EXPECT_EQ(ProgressPosition(2, 3), 170);
    EXPECT_EQ(kProgressComplete, 256);
}

TEST(ProgressPosition, OneEntryStaysAtZeroAndManyEntriesStayBelowComplete)
{
    EXPECT_EQ(ProgressPosition(0, 1), 0);
    EXPECT_EQ(ProgressPosition(1, 2), 128);
    EXPECT_EQ(ProgressPosition(999, 1000), 255);
    EXPECT_EQ(ProgressPosition(0, 0), 0);
}

TEST(ProfilePath, AddsABackslashOnlyWhenTheLastCharacterIsNotOne)
{
    EXPECT_EQ(ProfilePath("C:\\WINDOWS"), "C:\\WINDOWS\\system.ini");
    EXPECT_EQ(ProfilePath("C:\\"), "C:\\system.ini");
    // "C:\表" ends in the byte 0x5C, but that is the second half of 表.
    EXPECT_EQ(ProfilePath("C:\\\x95\x5c"), "C:\\\x95\x5c\\system.ini");
    EXPECT_EQ(ProfilePath("C:\\\x95\x5c\\"), "C:\\\x95\x5c\\system.ini");
    EXPECT_EQ(ProfilePath(""), "\\system.ini");
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

TEST(SplitExecFile, ProgramBeforeTheFirstBlankParametersAfterTheBlanks)
{
    const ExecCommand shipped = SplitExecFile("control.exe desk.cpl,,1");
    EXPECT_EQ(shipped.m_strProgram, "control.exe");
    EXPECT_EQ(shipped.m_strParameters, "desk.cpl,,1");

    const ExecCommand blanks = SplitExecFile("a.exe   x  y ");
    EXPECT_EQ(blanks.m_strProgram, "a.exe");
    EXPECT_EQ(blanks.m_strParameters, "x  y ");

    const ExecCommand trailing = SplitExecFile("a.exe ");
    EXPECT_EQ(trailing.m_strProgram, "a.exe");
    EXPECT_EQ(trailing.m_strParameters, "");

    const ExecCommand whole = SplitExecFile("a.exe");
    EXPECT_EQ(whole.m_strProgram, "a.exe");
    EXPECT_EQ(whole.m_strParameters, "");

    const ExecCommand leading = SplitExecFile(" a.exe b");
    EXPECT_EQ(leading.m_strProgram, "");
    EXPECT_EQ(leading.m_strParameters, "a.exe b");
}

TEST(ProgramPath, ABareNameIsTheSystemDirectorysAnyPlaceNamedStaysAsWritten)
{
    EXPECT_EQ(ProgramPath("control.exe", "C:\\WINDOWS\\system32"), "C:\\WINDOWS\\system32\\control.exe");
    EXPECT_EQ(ProgramPath("control.exe", "C:\\"), "C:\\control.exe");
    // "C:\表" ends in the byte 0x5C, but that is the second half of 表.
    EXPECT_EQ(ProgramPath("a.exe", "C:\\\x95\x5c"), "C:\\\x95\x5c\\a.exe");
    EXPECT_EQ(ProgramPath("\x95\x5c.exe", "C:\\S"), "C:\\S\\\x95\x5c.exe");
    EXPECT_EQ(ProgramPath("C:\\tools\\a.exe", "C:\\S"), "C:\\tools\\a.exe");
    EXPECT_EQ(ProgramPath("tools/a.exe", "C:\\S"), "tools/a.exe");
    EXPECT_EQ(ProgramPath("C:a.exe", "C:\\S"), "C:a.exe");
    // Nothing to start stays nothing, and without a system directory a bare name is refused.
    EXPECT_EQ(ProgramPath("", "C:\\S"), "");
    EXPECT_EQ(ProgramPath("control.exe", ""), "");
}
