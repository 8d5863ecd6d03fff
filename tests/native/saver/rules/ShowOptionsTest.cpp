// Owning tier: native. The show options' text: each key, its bounds, and what makes it count for
// nothing; the maker's writer read back.
#include "ShowOptions.h"

#include <gtest/gtest.h>

#include <string>

TEST(ShowOptions, TableOfTexts)
{
    struct Row
    {
        const char* m_pszText;
        ShowOptions m_expected;
    };
    const ShowOptions defaults;
    const Row rows[] = {
        {"", defaults},
        {"hold=1", {1, ORDER_LISTED, FIT_FIT}},
        {"hold=3600\n", {3600, ORDER_LISTED, FIT_FIT}},
        {"hold=0025", {25, ORDER_LISTED, FIT_FIT}},
        {"order=shuffle", {10, ORDER_SHUFFLE, FIT_FIT}},
        {"order=listed", defaults},
        {"fit=fill", {10, ORDER_LISTED, FIT_FILL}},
        {"fit=fit", defaults},
        {"fit=blur\nhold=5", {5, ORDER_LISTED, FIT_BLUR}},
        {"hold=30\r\n\r\norder=shuffle\n\nfit=fill\r\n", {30, ORDER_SHUFFLE, FIT_FILL}},
        {"fit=fill\nhold=5", {5, ORDER_LISTED, FIT_FILL}},
        // Malformed: every option at its default, whatever else the text says.
        {"hold=0\nfit=fill", defaults},
        {"hold=3601\nfit=fill", defaults},
        {"hold=-5\nfit=fill", defaults},
        {"hold=\nfit=fill", defaults},
        {"hold=10s\nfit=fill", defaults},
        {"hold=99999\nfit=fill", defaults},
        {"hold = 10\nfit=fill", defaults},
        {"fit=fill\nfit=fill", defaults},
        {"fit=Fill", defaults},
        {"fit=blurred", defaults},
        {"order=random\nfit=fill", defaults},
        {"speed=2\nfit=fill", defaults},
        {"fit\n", defaults},
        {"fit=fill\r\r\n", defaults},
        {" \nfit=fill", defaults},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.m_pszText);
        EXPECT_EQ(ParseShowOptions(row.m_pszText, std::string(row.m_pszText).size()), row.m_expected);
    }
    // No resource at all; a NUL inside the text.
    EXPECT_EQ(ParseShowOptions(nullptr, 0), defaults);
    EXPECT_EQ(ParseShowOptions("fit=fill\0", 9), defaults);
}

TEST(ShowOptions, WrittenTextReadsBack)
{
    const ShowOptions rows[] = {
        {},
        {1, ORDER_SHUFFLE, FIT_FILL},
        {3600, ORDER_LISTED, FIT_FIT},
        {25, ORDER_SHUFFLE, FIT_BLUR},
    };
    for (const ShowOptions& options : rows) {
        const std::string strText = WriteShowOptions(options);
        EXPECT_EQ(ParseShowOptions(strText.data(), strText.size()), options) << strText;
    }
    EXPECT_EQ(WriteShowOptions(ShowOptions{}), "hold=10\r\norder=listed\r\nfit=fit\r\n");
}
