// Owning tier: native. What a saver's description may say, and the first fault of one that breaks
// a rule; the order of a folder's photos. The files it names are the tool's, end to end.
#include "SaverDescription.h"

#include <gtest/gtest.h>

namespace {

const std::string kPhotos = "[photos]\nphotos/\n";

struct Row
{
    std::string m_strText;
    int m_nLine;              // of the fault; -1: none
    std::string m_strExpect;  // in the message, or "key=value" of the result
};

std::string Field(const SaverDescription& d, const std::string& strKey)
{
    if (strKey == "id")
        return d.m_strId;
    if (strKey == "name")
        return d.m_strName;
    if (strKey == "credit")
        return d.m_strCredit;
    if (strKey == "hold")
        return std::to_string(d.m_show.m_nHoldSeconds);
    if (strKey == "fit")
        return std::to_string(d.m_show.m_nFit);
    if (strKey == "photos") {
        std::string str;
        for (const PhotoEntry& entry : d.m_photos)
            str += entry.m_strPath + "@" + std::to_string(entry.m_nLine) +
                   (entry.m_strCaption.empty() ? "" : "=" + entry.m_strCaption) + " ";
        return str;
    }
    return "?";
}

}  // namespace

TEST(SaverDescription, ReadsValidFormsAndNamesTheFirstFault)
{
    const Row rows[] = {
        {"[saver]\nname=Summer at the Lake\n" + kPhotos, -1, "id=SummerattheLake"},
        {"[saver]\nname=Summer at the Lake\n" + kPhotos, -1, "hold=10"},
        {"\xEF\xBB\xBF[Saver]\r\nName = Lake ; a comment\r\nid=Lake2\r\n[show]\r\nhold=3600\r\norder=shuffle\r\n"
         "fit=fill\r\nmaxsize=16\r\n[photos]\r\n; none here\r\na;b.jpg\r\nextra/sunset.png ; last\r\n",
         -1, "photos=a;b.jpg@11 extra/sunset.png@12 "},
        {"[saver]\nname=Lake\n[show]\nfit=fill\n" + kPhotos, -1, "fit=1"},
        {"[saver]\nname=Lake\n[show]\nfit=blur\n" + kPhotos, -1, "fit=2"},
        // Captions after " = " only with caption=text; the first " = " parts them.
        {"[saver]\nname=Lake\n[show]\ncaption=text\n[photos]\nb/I.jpg = Grandma's 80th\nc.jpg\nd = e.jpg = x = y\n", -1,
         "photos=b/I.jpg@6=Grandma's 80th c.jpg@7 d@8=e.jpg = x = y "},
        {"[saver]\nname=Lake\n[photos]\n#1 [a] %d \"q\".jpg = x;y #z ; note\n./#b.jpg\n", -1, "photos=./#b.jpg@5 "},
        {"[saver]\nname=Lake\n[photos]\n[a] %02d \"q\" #1;2.jpg = x\n", -1, "photos=[a] %02d \"q\" #1;2.jpg = x@4 "},
        {"[saver]\nname=Lake\n[photos]\n%02d \"q\" [1]#;2.jpg = x\n", -1, "photos=%02d \"q\" [1]#;2.jpg = x@4 "},
        {"[saver]\nname=Lake\n[photos]\na\tb.jpg\n", 4, "control character"},
        {"[saver]\nname=Lake\nicon=a\x1b.ico\n" + kPhotos, 3, "icon: the name is not UTF-8 or holds a control"},
        {"[saver]\nname=Lake\n[show]\ncaption=text\n[photos]\na.jpg = " + std::string(256, 'x') + "\n", 6,
         "longer than 255"},
        {"[saver]\nname=Lake\n[show]\ncaption=exif\n" + kPhotos, 4, "not one of none or text or date"},
        {"[saver]\nname=Été à Nice\n" + kPhotos, 2, "'É' (U+00C9) cannot be written in code page 932"},
        {"[saver]\nname=Été à Nice\nlanguage=en\n" + kPhotos, -1, "name=Été à Nice"},
        {"[saver]\nname=湖の夏\nid=Lake\ncredit=写真 (C) 2026 山田\n" + kPhotos, -1, "credit=写真 (C) 2026 山田"},
        {"[saver]\nname=湖の夏\n" + kPhotos, 2, "id: the name has no letters or digits"},
        {"[saver]\nname=Lake\nid=Lake-2\n" + kPhotos, 3, "may hold only letters and digits"},
        {"[saver]\nname=Lake\nid=com1\n" + kPhotos, 3, "device name"},
        {"[saver]\nname=Lake\nid=ORVANTA\n" + kPhotos, 3, "the saver this maker ships"},
        {"[saver]\nname=Bubbles\n" + kPhotos, 2,
         "id: \"Bubbles\" is the name of a screen saver that Windows ships; choose another (give id=)"},
        {"[saver]\nname=Lake\nid=canon\n" + kPhotos, 3, "Windows or a well-known maker"},
        {"[saver]\nname=Lake\nid=" + std::string(33, 'a') + "\n" + kPhotos, 3, "longer than 32"},
        {"[saver]\nname=Lake\n[colours]\n" + kPhotos, 3, "unknown section [colours]"},
        {"[saver]\nname=Lake\ncolour=red\n" + kPhotos, 3, "unknown key \"colour\" in [saver]"},
        {"[saver]\nname=Lake\nname=Sea\n" + kPhotos, 3, "name: given twice (first on line 2)"},
        {"name=Lake\n" + kPhotos, 1, "before the first section"},
        {"[saver]\nname\n" + kPhotos, 2, "not of the form key=value"},
        {"[saver]\nid=Lake\n" + kPhotos, 0, "needs a name"},
        {"[saver]\nname=Lake\n[photos]\n", 0, "no photos"},
        {"[saver]\nname=Lake\n[show]\nhold=0\n" + kPhotos, 4, "hold: 0 is out of range: 1 to 3600"},
        {"[saver]\nname=Lake\n[show]\nhold=3601\n" + kPhotos, 4, "out of range"},
        {"[saver]\nname=Lake\n[show]\nhold=ten\n" + kPhotos, 4, "hold: \"ten\" is not a number"},
        {"[saver]\nname=Lake\n[show]\nmaxsize=8193\n" + kPhotos, 4, "maxsize: 8193 is out of range"},
        {"[saver]\nname=Lake\n[show]\norder=random\n" + kPhotos, 4, "not one of listed or shuffle"},
        {"[saver]\nname=Lake\n[show]\nfit=stretch\n" + kPhotos, 4, "not one of fit or fill or blur"},
        {"[saver]\nname=Lake\nlanguage=fr\n" + kPhotos, 3, "not one of ja or en"},
        {"[saver]\nname=Lake ☃\n" + kPhotos, 2, "'☃' (U+2603) cannot be written in code page 932"},
        {"[saver]\nname=湖\nid=Lake\nlanguage=en\n" + kPhotos, 2, "(U+6E56) cannot be written in code page 1252"},
        {"[saver]\nname=Lake\npublisher=Jo\x01\n" + kPhotos, 3, "control character (U+0001)"},
        {"[saver]\nname=Lake\ncredit=\xC3\x28\n" + kPhotos, 3, "not valid UTF-8"},
        {"[saver]\nname=" + std::string(61, 'a') + "\n" + kPhotos, 2, "longer than 60"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.m_strText);
        SaverDescription description;
        DescriptionError error;
        const bool bRead = ReadSaverDescription(row.m_strText, description, error);
        ASSERT_EQ(bRead, row.m_nLine < 0) << error.m_strMessage;
        if (bRead) {
            const size_t nEquals = row.m_strExpect.find('=');
            EXPECT_EQ(Field(description, row.m_strExpect.substr(0, nEquals)), row.m_strExpect.substr(nEquals + 1));
        } else {
            EXPECT_EQ(error.m_nLine, row.m_nLine);
            EXPECT_NE(error.m_strMessage.find(row.m_strExpect), std::string::npos) << error.m_strMessage;
        }
    }
}

TEST(SaverDescription, FolderPhotosInTheOrderPeopleExpect)
{
    const struct
    {
        const char* pszA;
        const char* pszB;
    } rows[] = {
        {"IMG_2.jpg", "IMG_10.jpg"}, {"img_2.jpg", "IMG_3.jpg"}, {"a.jpg", "a1.jpg"},
        {"x007.png", "x8.png"},      {"B.jpg", "b.jpg"},         {"a09.jpg", "a9x.jpg"},
    };
    for (const auto& row : rows) {
        EXPECT_TRUE(ComesBefore(row.pszA, row.pszB)) << row.pszA << " < " << row.pszB;
        EXPECT_FALSE(ComesBefore(row.pszB, row.pszA)) << row.pszB << " > " << row.pszA;
    }
    for (const char* psz : {"a.JPG", "b.jpeg", "c.Png", "d.HEIC", "e.heif", "f.webp"})
        EXPECT_TRUE(IsPhotoName(psz)) << psz;
    for (const char* psz : {"a.gif", ".jpg", "jpg", "a.jpg.txt", "._IMG_0001.jpg", ".hidden.png", "Thumbs.db"})
        EXPECT_FALSE(IsPhotoName(psz)) << psz;
}
