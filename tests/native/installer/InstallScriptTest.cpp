#include "InstallScript.h"

#include <gtest/gtest.h>

TEST(InstallScriptParse, WorkedExample)
{
    const std::string text = "[CONFIG]\r\nDISPLAYNAME=Orvanta\r\nEXECFILE=control.exe desk.cpl,,1\r\n"
                             "SCRNSAVE.EXE=$(SYSTEMDIR)Orvanta.scr\r\n\r\n[FILES]\r\nOrvanta.scr,$(SYSTEMDIR)Orvanta.scr\r\n";
    CInstallScript script;
    script.Parse(text.data(), text.size());
    EXPECT_EQ(script.m_strDisplayName, "Orvanta");
    ASSERT_EQ(script.m_files.size(), 1u);
}
