// Owning tier: native. The product folder as the maker writes it: each file read back by its own
// reader (the install script's, the show options'), texts escaped for the resource compiler after
// their conversion to the code page, and what no file can carry refused. The resource compiler's
// reading of the escapes is the end-to-end test's.
#include "ProductFolder.h"
#include "ResourceText.h"
#include "payload/InstallScript.h"

#include <gtest/gtest.h>

namespace {

MadeProduct Product(const std::string& strName, const std::string& strLanguage = "ja")
{
    MadeProduct product;
    product.m_strId = "Lake";
    product.m_strLanguage = strLanguage;
    product.m_strName = strName;
    product.m_show = ShowOptions{25, ORDER_SHUFFLE, FIT_FILL};
    product.m_captions = {"Grandma's 80th", "", "2026年8月14日"};
    return product;
}

}  // namespace

TEST(ProductFolder, ResourceStringsEscapeAfterTheCodePage)
{
    const struct
    {
        const char* m_pszText;  // in the code page
        int m_nCodePage;
        const char* m_pszExpected;
    } rows[] = {
        {"Lake", 1252, "\"Lake\""},
        {"a\\b \"c\"", 1252, "\"a\\\\b \"\"c\"\"\""},
        {"\xE9t\xE9 \\100", 1252, "\"\xE9t\xE9 \\\\100\""},
        // ¥ is 0x5C in 932 and doubled; 表 and ソ (trail byte 0x5C) stay whole.
        {"\x8e\xca\x90\x5e\x5c\x31\x30\x30", 932, "\"\x8e\xca\x90\x5e\\\\100\""},
        {"\x95\x5c\x83\x5c\"", 932, "\"\x95\x5c\x83\x5c\"\"\""},
        {"\x95", 932, "\"\x95\""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ResourceString(row.m_pszText, row.m_nCodePage), row.m_pszExpected) << row.m_pszText;
}

TEST(ProductFolder, EachFileReadsBackAndBadTextsAreRefused)
{
    const struct
    {
        std::string m_strName;
        std::string m_strLanguage;
        std::string m_strScriptName;  // DISPLAYNAME as the installer reads it; "!": refused
    } rows[] = {
        {"写真¥100", "ja", "\x8e\xca\x90\x5e\x5c\x31\x30\x30"},
        {"表示 = [x], y", "ja", "\x95\x5c\x8e\xa6 = [x], y"},
        {"Été", "en", "\xC9t\xE9"},
        {"Été", "ja", "!"},
        {"Lake\nid=Evil", "en", "!"},
        {"Lake\r", "ja", "!"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.m_strName);
        ProductFiles files;
        std::string strFault;
        const bool bWritten = WriteProductFolder(Product(row.m_strName, row.m_strLanguage), files, strFault);
        ASSERT_EQ(bWritten, row.m_strScriptName != "!") << strFault;
        if (!bWritten) {
            EXPECT_TRUE(files.empty());
            EXPECT_NE(strFault.find("name"), std::string::npos) << strFault;
            continue;
        }
        CInstallScript script;
        script.Parse(files["install.txt"].data(), files["install.txt"].size());
        EXPECT_EQ(script.m_strDisplayName, row.m_strScriptName);
        EXPECT_EQ(script.m_strScreenSaver, "$(SYSTEMDIR)Lake.scr");
        ASSERT_EQ(script.m_files.size(), 1u);
        EXPECT_EQ(script.m_files[0].m_strSource, "Lake.scr");
        EXPECT_EQ(ParseShowOptions(files["show.txt"].data(), files["show.txt"].size()),
                  (ShowOptions{25, ORDER_SHUFFLE, FIT_FILL}));
        EXPECT_EQ(files["caption-1.txt"], "Grandma's 80th");
        EXPECT_EQ(files.count("caption-2.txt"), 0u);
        EXPECT_NE(files["pictures.rc"].find(
                      "3 JPEG \"3.jpg\"\r\n\r\n1 SHOW \"show.txt\"\r\n1 caption \"caption-1.txt\"\r\n3 caption"),
                  std::string::npos);
        EXPECT_NE(files["product.cmake"].find("icon.ico show.txt 1.jpg caption-1.txt 2.jpg 3.jpg caption-3.txt)"),
                  std::string::npos);
    }
    // Captions that the saver could not take; an id that is not one.
    MadeProduct product = Product("Lake");
    ProductFiles files;
    std::string strFault;
    for (const std::string& strCaption : {std::string(256, 'x'), std::string("a\tb"), std::string("\xC3\x28")}) {
        product.m_captions = {strCaption};
        EXPECT_FALSE(WriteProductFolder(product, files, strFault)) << strCaption;
    }
    product = Product("Lake");
    product.m_strId = "Lake)\nset(X";
    EXPECT_FALSE(WriteProductFolder(product, files, strFault));
}
