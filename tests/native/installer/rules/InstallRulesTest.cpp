// Owning tier of the installer's progress, the split of the command started after an install
// and the plan resolved from the script: native tables.
#include "rules/ExecCommand.h"
#include "rules/InstallPlan.h"
#include "rules/InstallProgress.h"

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

TEST(ResolveInstallPlan, ExpandsEveryPathOnceAndNamesTheProductWithItsFallback)
{
    const struct
    {
        const char* pszSystemDir;
        const char* pszDisplayName;
        const char* pszExecFile;
        const char* pszDestination;  // of the one entry, and the saver's
        const char* pszProductName;
        const char* pszProgram;  // nullptr: nothing to start
    } rows[] = {
        {"C:\\WINDOWS\\system32", "Orvanta\x83\x58", "control.exe desk.cpl,,1", "C:\\WINDOWS\\system32\\Orvanta.scr",
         "Orvanta\x83\x58", "C:\\WINDOWS\\system32\\control.exe"},
        {"C:\\", "", "", "C:\\Orvanta.scr", "Orvanta", nullptr},
        // Without a system directory nothing is written anywhere and a bare name is not started.
        {"", "X", "control.exe", "", "X", ""},
    };
    for (const auto& row : rows) {
        CInstallScript script;
        script.m_strDisplayName = row.pszDisplayName;
        script.m_strExecFile = row.pszExecFile;
        script.m_strScreenSaver = "$(SYSTEMDIR)Orvanta.scr";
        script.m_files = {FileEntry{"Orvanta.scr", "$(SYSTEMDIR)Orvanta.scr"}};
        RegistrationTarget target;
        target.m_strUserSid = "S-1-5-21-1-1001";
        const InstallPlan plan = ResolveInstallPlan(script, row.pszSystemDir, target, RegistrationStore::SystemIni);
        ASSERT_EQ(plan.m_files.size(), 1u);
        EXPECT_EQ(plan.m_files[0].m_strSource, "Orvanta.scr");
        EXPECT_EQ(plan.m_files[0].m_strDestination, row.pszDestination) << row.pszSystemDir;
        EXPECT_EQ(plan.m_strSaverPath, row.pszDestination) << row.pszSystemDir;
        EXPECT_EQ(plan.m_strDisplayName, row.pszDisplayName);
        EXPECT_EQ(plan.m_strProductName, row.pszProductName);
        EXPECT_EQ(plan.m_execFile ? plan.m_execFile->m_strProgram : "(none)",
                  row.pszProgram ? row.pszProgram : "(none)");
        EXPECT_EQ(plan.m_target.m_strUserSid, target.m_strUserSid);
        EXPECT_EQ(plan.m_store, RegistrationStore::SystemIni);
    }
    EXPECT_TRUE(ResolveInstallPlan(CInstallScript(), "C:\\S", RegistrationTarget(), RegistrationStore::Registry)
                    .m_strSaverPath.empty())
        << "no saver named, none registered";
}
