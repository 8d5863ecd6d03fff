// The script and archive readers over real resources of this test program: the shipped install
// script, and a payload archive made like the shipped one (its member is pic1.jpg).
#include "PathQuery.h"
#include "ResourceBytes.h"
#include "ResourceText.h"
#include "payload/InstallScript.h"
#include "payload/PayloadArchive.h"
#include "resource/InstallerResource.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

TEST(InstallScriptResource, StoredScriptKeepsCrLfAndShiftJis)
{
    const std::string text = ResourceText("FILE", IDR_INSTALL_SCRIPT);
    EXPECT_EQ(text.find("\r\n"), 8u);
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);
    EXPECT_NE(
        text.find("DISPLAYNAME=Orvanta\x83\x58\x83\x4e\x83\x8a\x81\x5b\x83\x93\x83\x5a\x83\x43\x83\x6f\x81\x5b\r\n"),
        std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
}

TEST(InstallScriptResource, LoadReadsTheWholeResource)
{
    CInstallScript loaded;
    loaded.Load();
    const std::string text = ResourceText("FILE", IDR_INSTALL_SCRIPT);
    CInstallScript parsed;
    parsed.Parse(text.data(), text.size());
    EXPECT_EQ(loaded.m_strDisplayName, parsed.m_strDisplayName);
    EXPECT_EQ(loaded.m_strExecFile, parsed.m_strExecFile);
    EXPECT_EQ(loaded.m_strScreenSaver, parsed.m_strScreenSaver);
    ASSERT_EQ(loaded.m_files.size(), 1u);
    EXPECT_EQ(loaded.m_files[0].m_strDestination, "$(SYSTEMDIR)Orvanta.scr");
}

TEST(InstallScriptResource, ExpandsWithTheRealSystemDirectory)
{
    std::string path = "$(SYSTEMDIR)Orvanta.scr";
    CInstallScript::ExpandMacros(path, QuerySystemDirectory());
    EXPECT_EQ(path, "C:\\windows\\system32\\Orvanta.scr");
}

TEST(PayloadResource, ReadsTheMemberWholeIn1024ByteChunks)
{
    const ResourceBytes payload = FindResourceBytes(nullptr, MAKEINTRESOURCEA(IDR_PAYLOAD), "FILE");
    ASSERT_NE(payload.m_pData, nullptr);
    CPayloadArchive archive;
    archive.Attach(payload.m_pData, payload.m_nSize);
    ASSERT_EQ(archive.OpenMember("Orvanta.scr"), 0);

    std::string out;
    char buffer[1024];
    unsigned n;
    while ((n = archive.Read(buffer, sizeof buffer)) != 0) {
        ASSERT_LE(n, sizeof buffer);
        out.append(buffer, n);
    }
    EXPECT_TRUE(archive.IsComplete());
    EXPECT_EQ(archive.Read(buffer, sizeof buffer), 0u);
    // The member is pic1.jpg: a whole JPEG file.
    ASSERT_GT(out.size(), 4u);
    EXPECT_EQ(out.substr(0, 2), "\xFF\xD8");
    EXPECT_EQ(out.substr(out.size() - 2), "\xFF\xD9");
}

TEST(PayloadResource, OtherNamesAreNotFound)
{
    const ResourceBytes payload = FindResourceBytes(nullptr, MAKEINTRESOURCEA(IDR_PAYLOAD), "FILE");
    CPayloadArchive archive;
    archive.Attach(payload.m_pData, payload.m_nSize);
    EXPECT_EQ(archive.OpenMember("orvanta.scr"), 1);
}
