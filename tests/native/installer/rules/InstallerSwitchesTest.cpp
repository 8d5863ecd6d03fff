// The installer's command line: which switches it understands and the exit code of a run.
#include "rules/InstallerExitCode.h"
#include "rules/InstallerSwitches.h"

#include <gtest/gtest.h>

TEST(ArgumentsOf, SkipsTheProgramNameQuotedOrNot)
{
    EXPECT_EQ(ArgumentsOf("installer.exe /S"), " /S");
    EXPECT_EQ(ArgumentsOf("\"C:\\Program Files\\Orvanta\\uninstall.exe\" /uninstall /S"), " /uninstall /S");
    EXPECT_EQ(ArgumentsOf("  \"C:\\a b\\x.exe\""), "");
    EXPECT_EQ(ArgumentsOf("\"unterminated /S"), "");
    EXPECT_EQ(ArgumentsOf(""), "");
}

TEST(ParseSwitches, SilentAndUninstallInEitherCaseWithSlashOrDash)
{
    for (const char* psz : {"/S", "/s", "-S", "-s", "  /S  ", "\"/S\""}) {
        const InstallerSwitches switches = ParseSwitches(psz);
        EXPECT_TRUE(switches.m_bUnderstood) << psz;
        EXPECT_TRUE(switches.m_bSilent) << psz;
        EXPECT_FALSE(switches.m_bUninstall) << psz;
    }
    for (const char* psz : {"/uninstall /S", "-S\t-UNINSTALL", "/Uninstall /s /S"}) {
        const InstallerSwitches switches = ParseSwitches(psz);
        EXPECT_TRUE(switches.m_bUnderstood && switches.m_bSilent && switches.m_bUninstall) << psz;
    }
    const InstallerSwitches none = ParseSwitches("");
    EXPECT_TRUE(none.m_bUnderstood);
    EXPECT_FALSE(none.m_bSilent || none.m_bUninstall || none.m_bCleanup);
}

TEST(ParseSwitches, AnythingElseIsNotUnderstoodButKeepsSilence)
{
    for (const char* psz : {"/x", "S", "/", "-", "/SS", "/S x", "/silent", "/uninstal", "//S", "/cleanup",
                            "/cleanup x1", "/cleanup 12 /S", "/S /cleanup 12", "/cleanup 99999999999999999999"})
        EXPECT_FALSE(ParseSwitches(psz).m_bUnderstood) << psz;
    // A silent run that is not understood must still show no box.
    EXPECT_TRUE(ParseSwitches("/S /bogus").m_bSilent);
}

TEST(ParseSwitches, CleanupCarriesTheHandleNumber)
{
    const InstallerSwitches switches = ParseSwitches("/cleanup 1234");
    EXPECT_TRUE(switches.m_bUnderstood);
    EXPECT_TRUE(switches.m_bCleanup);
    EXPECT_EQ(switches.m_nCleanupHandle, 1234u);
}

TEST(InstallOutcome, LastInstallDecidesAndNoInstallIsCancelled)
{
    EXPECT_EQ(InstallOutcome(false, 0), InstallerExitCode::Cancelled);
    EXPECT_EQ(InstallOutcome(true, 0), InstallerExitCode::Done);
    EXPECT_EQ(InstallOutcome(true, 1), InstallerExitCode::Failed);
    EXPECT_EQ(static_cast<int>(InstallerExitCode::BadCommandLine), 3);
    EXPECT_EQ(static_cast<int>(InstallerExitCode::NothingInstalled), 4);
}
