// Owning tier: native. Which mode and window number a command line gives.
#include "CommandLine.h"

#include <gtest/gtest.h>

namespace {

void ExpectCommand(const char* pszLine, SaverMode nMode, int64_t nWindow = 0)
{
    SCOPED_TRACE(pszLine);
    const SaverCommand command = ParseCommandLine(pszLine);
    EXPECT_EQ(command.m_nMode, nMode);
    EXPECT_EQ(command.m_nWindow, nWindow);
}

}  // namespace

TEST(CommandLine, ModeTable)
{
    ExpectCommand("Orvanta.scr", MODE_CONFIG_UNOWNED);
    ExpectCommand("Orvanta.scr s", MODE_CONFIG_UNOWNED);
    for (const char* psz : {"x /c", "x /C", "x -c", "x -C", "x /c:1234"})
        ExpectCommand(psz, MODE_CONFIG);
    for (const char* psz : {"x /s", "x /S", "x -s", "x -S", "x /saver", "x /s /p 5"})
        ExpectCommand(psz, MODE_SAVER);
    ExpectCommand("x  /l", MODE_WINDOWED);
    ExpectCommand("x -L", MODE_WINDOWED);
    for (const char* psz : {"x /x", "x /1", "x /", "x -"})
        ExpectCommand(psz, MODE_NONE);
}

TEST(CommandLine, ProgramNameQuotesAndBlanks)
{
    ExpectCommand("\"C:\\Program Files\\Orvanta.scr\" /s", MODE_SAVER);
    ExpectCommand("\"C:\\a b\\Orvanta.scr\"/s", MODE_CONFIG_UNOWNED);
    ExpectCommand("Orvanta.scr\t/s", MODE_CONFIG_UNOWNED);
    ExpectCommand("\"unterminated /s", MODE_CONFIG_UNOWNED);
    ExpectCommand("a\"b c\"d /l", MODE_WINDOWED);
    ExpectCommand("", MODE_CONFIG_UNOWNED);
    EXPECT_EQ(ParseCommandLine(nullptr).m_nMode, MODE_CONFIG_UNOWNED);
}

TEST(CommandLine, WindowNumberReadLikeAtoi)
{
    ExpectCommand("x /p 1234", MODE_SAVER, 1234);
    ExpectCommand("x /p1234", MODE_SAVER, 1234);
    ExpectCommand("x /P\t\r\n\v\f 77z", MODE_SAVER, 77);
    ExpectCommand("x /p:1234", MODE_SAVER, 0);
    ExpectCommand("x /p", MODE_SAVER, 0);
    ExpectCommand("x /preview 1234", MODE_SAVER, 0);
    ExpectCommand("x /a 1234", MODE_CHANGE_PASSWORD, 1234);
    ExpectCommand("x -A +42", MODE_CHANGE_PASSWORD, 42);
    ExpectCommand("x /s 1234", MODE_SAVER, 0);  // only a and p read a number
    ExpectCommand("x /c 1234", MODE_CONFIG, 0);
}

TEST(CommandLine, WindowNumberWrapsAt32BitsAndSignExtends)
{
    EXPECT_EQ(ParseWindowNumber("-1"), -1);
    EXPECT_EQ(ParseWindowNumber("- 1"), 0);
    EXPECT_EQ(ParseWindowNumber("2147483647"), 2147483647);
    EXPECT_EQ(ParseWindowNumber("2147483648"), -2147483648LL);
    EXPECT_EQ(ParseWindowNumber("4294967295"), -1);
    EXPECT_EQ(ParseWindowNumber("4294967296"), 0);
    EXPECT_EQ(ParseWindowNumber("4294967297"), 1);
    EXPECT_EQ(ParseWindowNumber("-2147483648"), -2147483648LL);
    EXPECT_EQ(ParseWindowNumber("99999999999999999999999999999"), -1610612737LL);
}
