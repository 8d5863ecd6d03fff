// Owning tier: native. Whose an id is; a date taken as a caption in each language; the photos'
// size budget.
#include "CaptionDate.h"
#include "SaverIds.h"
#include "SizeBudget.h"

#include <gtest/gtest.h>

TEST(MakerRules, IdsOthersOwn)
{
    const struct
    {
        const char* m_pszId;
        IdOwner m_owner;
    } rows[] = {
        {"SummerLake", ID_FREE},
        {"Bubbles2", ID_FREE},
        {"Canon5D", ID_FREE},
        {"Bubbles", ID_WINDOWS_SAVER},
        {"MYSTIFY", ID_WINDOWS_SAVER},
        {"ribbons", ID_WINDOWS_SAVER},
        {"scrnsave", ID_WINDOWS_SAVER},
        {"ssText3d", ID_WINDOWS_SAVER},
        {"PhotoScreensaver", ID_WINDOWS_SAVER},
        {"ssPipes", ID_WINDOWS_SAVER},
        {"logon", ID_WINDOWS_SAVER},
        {"Canon", ID_WELL_KNOWN_NAME},
        {"microsoft", ID_WELL_KNOWN_NAME},
        {"Windows", ID_WELL_KNOWN_NAME},
        {"Classes", ID_WELL_KNOWN_NAME},
        {"Orvanta", ID_OURS},
        {"LPT1", ID_DEVICE},
        {"nul", ID_DEVICE},
    };
    for (const auto& row : rows)
        EXPECT_EQ(OwnerOfId(row.m_pszId), row.m_owner) << row.m_pszId;
}

TEST(MakerRules, DateCaptions)
{
    const struct
    {
        const char* m_pszExif;
        const char* m_pszLanguage;
        const char* m_pszCaption;
    } rows[] = {
        {"2026:08:14 10:11:12", "ja", "2026年8月14日"},
        {"2026:08:14 10:11:12", "en", "14 August 2026"},
        {"2024:02:29", "en", "29 February 2024"},
        {"2001:12:01 00:00:00\n", "en", "1 December 2001"},
        {"2023:02:29 10:00:00", "en", ""},
        {"0000:00:00 00:00:00", "ja", ""},
        {"2026-08-14 10:11:12", "en", ""},
        {"2026:13:01", "en", ""},
        {"2026:1", "en", ""},
        {"", "ja", ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(DateCaption(row.m_pszExif, row.m_pszLanguage), row.m_pszCaption) << row.m_pszExif;
}

TEST(MakerRules, PhotoBudget)
{
    EXPECT_EQ(kPhotoBudget, 496u << 20);
    EXPECT_EQ(PhotoBudgetFault(0), "");
    EXPECT_EQ(PhotoBudgetFault(kPhotoBudget), "");
    EXPECT_NE(PhotoBudgetFault(kPhotoBudget + 1), "");
    EXPECT_NE(PhotoBudgetFault(600000000).find("the photos take 600.0 MB, more than the 520.1 MB"), std::string::npos);
    EXPECT_EQ(Megabytes(170500000), "170.5 MB");
}
