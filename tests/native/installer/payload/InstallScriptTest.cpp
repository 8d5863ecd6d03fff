#include "payload/InstallScript.h"

#include <gtest/gtest.h>

namespace {

CInstallScript Parsed(const std::string& text)
{
    CInstallScript script;
    script.Parse(text.data(), text.size());
    return script;
}

std::string Expanded(std::string text, const std::string& strSystemDir = "C:\\WINDOWS\\system32")
{
    CInstallScript::ExpandMacros(text, strSystemDir);
    return text;
}

const char kStoredScript[] =
    "[CONFIG]\r\n"
    "DISPLAYNAME=Orvanta\x83\x58\x83\x4e\x83\x8a\x81\x5b\x83\x93\x83\x5a\x83\x43\x83\x6f\x81\x5b\r\n"
    "EXECFILE=control.exe desk.cpl,,1\r\n"
    "SCRNSAVE.EXE=$(SYSTEMDIR)Orvanta.scr\r\n"
    "\r\n"
    "[FILES]\r\n"
    "Orvanta.scr,$(SYSTEMDIR)Orvanta.scr\r\n";

}  // namespace

TEST(InstallScriptParse, StoredScriptGivesTheWorkedExample)
{
    const CInstallScript script = Parsed(kStoredScript);
    EXPECT_EQ(script.m_strDisplayName,
              "Orvanta\x83\x58\x83\x4e\x83\x8a\x81\x5b\x83\x93\x83\x5a\x83\x43\x83\x6f\x81\x5b");
    EXPECT_EQ(script.m_strExecFile, "control.exe desk.cpl,,1");
    EXPECT_EQ(script.m_strScreenSaver, "$(SYSTEMDIR)Orvanta.scr");
    ASSERT_EQ(script.m_files.size(), 1u);
    EXPECT_EQ(script.m_files[0].m_strSource, "Orvanta.scr");
    EXPECT_EQ(script.m_files[0].m_strDestination, "$(SYSTEMDIR)Orvanta.scr");
    EXPECT_EQ(Expanded(script.m_files[0].m_strDestination), "C:\\WINDOWS\\system32\\Orvanta.scr");
}

TEST(InstallScriptParse, TextEndsAtSizeOrFirstNul)
{
    const std::string text = std::string("[CONFIG]\r\nEXECFILE=a\0b\r\nDISPLAYNAME=x\r\n", 37);
    EXPECT_EQ(Parsed(text).m_strExecFile, "a");
    EXPECT_EQ(Parsed(text).m_strDisplayName, "");

    CInstallScript script;
    script.Parse("[CONFIG]\r\nEXECFILE=abc\r\n", 20);  // cut after "EXECFILE=a"
    EXPECT_EQ(script.m_strExecFile, "a");
}

TEST(InstallScriptParse, HeadersMustMatchExactly)
{
    // Trailing blank, lower case or anything behind the bracket switch to no section.
    for (const char* header : {"[CONFIG] ", "[config]", "[CONFIG]x", "[FILES] ", "["}) {
        const CInstallScript script =
            Parsed(std::string("[CONFIG]\r\nEXECFILE=before\r\n") + header + "\r\nEXECFILE=after\r\na,b\r\n");
        EXPECT_EQ(script.m_strExecFile, "before") << header;
        EXPECT_TRUE(script.m_files.empty()) << header;
    }
}

TEST(InstallScriptParse, ConfigKeysAndValues)
{
    const CInstallScript script =
        Parsed("[CONFIG]\r\nDISPLAYNAME = x\r\nEXECFILE=a=b\r\nSCRNSAVE.EXE\r\n;DISPLAYNAME=y\r\n"
               "SCRNSAVE.EXE=first\r\nSCRNSAVE.EXE=second\r\nOTHER=z\r\n");
    EXPECT_EQ(script.m_strDisplayName, "");  // the key carries a blank and matches nothing
    EXPECT_EQ(script.m_strExecFile, "a=b");
    EXPECT_EQ(script.m_strScreenSaver, "second");
}

TEST(InstallScriptParse, FilesLines)
{
    const CInstallScript script = Parsed("[FILES]\r\nx.scr,C:\\a,b\r\nnocomma\r\n,\r\nd,d\r\nd,d\r\n");
    ASSERT_EQ(script.m_files.size(), 4u);
    EXPECT_EQ(script.m_files[0].m_strSource, "x.scr");
    EXPECT_EQ(script.m_files[0].m_strDestination, "C:\\a,b");
    EXPECT_EQ(script.m_files[1].m_strSource, "");
    EXPECT_EQ(script.m_files[1].m_strDestination, "");
    EXPECT_EQ(script.m_files[2].m_strSource, "d");
    EXPECT_EQ(script.m_files[3].m_strSource, "d");
}

TEST(InstallScriptParse, SectionsRepeatInAnyOrder)
{
    const CInstallScript script = Parsed("before,any\r\nEXECFILE=none\r\n[FILES]\r\na,1\r\n\r\nb,2\r\n[CONFIG]"
                                         "\r\nEXECFILE=e\r\nc,3\r\n[FILES]\r\nd,4\r\n");
    EXPECT_EQ(script.m_strExecFile, "e");
    ASSERT_EQ(script.m_files.size(), 3u);
    EXPECT_EQ(script.m_files[0].m_strSource, "a");
    EXPECT_EQ(script.m_files[1].m_strSource, "b");
    EXPECT_EQ(script.m_files[2].m_strSource, "d");
}

TEST(InstallScriptParse, LineEnds)
{
    // The byte before each LF is dropped, whatever it is: LF-only text loses a real byte.
    EXPECT_EQ(Parsed("[CONFIG]\r\nEXECFILE=abc\n").m_strExecFile, "ab");
    EXPECT_TRUE(Parsed("[FILES]\na,b\n").m_files.empty());  // "[FILES" is no known header
    // A lone LF is an empty line, and an empty line does not end the section.
    EXPECT_EQ(Parsed("[CONFIG]\r\n\n\nEXECFILE=x\r\n").m_strExecFile, "x");
    // The last line is read whole: without a line end, and with a CR but no LF.
    EXPECT_EQ(Parsed("[CONFIG]\r\nEXECFILE=tail").m_strExecFile, "tail");
    EXPECT_EQ(Parsed("[CONFIG]\r\nEXECFILE=tail\r").m_strExecFile, "tail\r");
}

TEST(InstallScriptParse, EmptyAndDegenerateTexts)
{
    for (const char* text : {"", "\n", "\r\n\r\n", "["}) {
        const CInstallScript script = Parsed(text);
        EXPECT_TRUE(script.m_strExecFile.empty() && script.m_strDisplayName.empty() &&
                    script.m_strScreenSaver.empty() && script.m_files.empty());
    }
}

TEST(InstallScriptExpand, SystemDirectory)
{
    EXPECT_EQ(Expanded("$(SYSTEMDIR)a.scr"), "C:\\WINDOWS\\system32\\a.scr");
    EXPECT_EQ(Expanded("$(SYSTEMDIR)$(SYSTEMDIR)"), "C:\\WINDOWS\\system32\\C:\\WINDOWS\\system32\\");
    EXPECT_EQ(Expanded("$(SYSTEMDIR)x", "C:\\"), "C:\\x");
    EXPECT_EQ(Expanded("$(SYSTEMDIR)x", ""), "\\x");
}

TEST(InstallScriptExpand, TrailingBackslashLooksAtTheLastByteOnly)
{
    // "\x95\x5c" is one double-byte character whose second byte is 0x5C.
    EXPECT_EQ(Expanded("$(SYSTEMDIR)a", "C:\\\x95\x5c"), "C:\\\x95\x5c"
                                                         "a");
}

TEST(InstallScriptExpand, OtherMacrosAndDollars)
{
    EXPECT_EQ(Expanded("$(systemdir)x"), "x");
    EXPECT_EQ(Expanded("$(WINDIR)x"), "x");
    EXPECT_EQ(Expanded("a$()b"), "ab");
    EXPECT_EQ(Expanded("$$(SYSTEMDIR)"), "$(SYSTEMDIR)");
    EXPECT_EQ(Expanded("$$$(SYSTEMDIR)"), "$C:\\WINDOWS\\system32\\");
    EXPECT_EQ(Expanded("a$"), "a$");
    EXPECT_EQ(Expanded("a$b"), "a$b");
    EXPECT_EQ(Expanded("$(SYSTEMDIR"), "$(SYSTEMDIR");
    EXPECT_EQ(Expanded("x$(a$(SYSTEMDIR)"), "x");  // the first ')' closes the first "$("
    EXPECT_EQ(Expanded(""), "");
}

TEST(InstallScriptExpand, StopsAtNul)
{
    EXPECT_EQ(Expanded(std::string("a\0$(SYSTEMDIR)", 14)), "a");
    // A ')' after the NUL closes nothing: the macro is copied literally up to the NUL.
    EXPECT_EQ(Expanded(std::string("$(SYSTEMDIR\0)", 13)), "$(SYSTEMDIR");
}
