// Owning tier: native. Which reported display states stop the show.
#include "DisplayPower.h"

#include <gtest/gtest.h>

TEST(DisplayPower, OnlyOffStopsTheShow)
{
    struct Row
    {
        uint32_t m_nState;
        bool m_bOff;
    };
    const Row rows[] = {{0, true}, {1, false}, {2, false}, {3, false}, {0xFFFFFFFFu, false}};
    for (const Row& row : rows)
        EXPECT_EQ(IsDisplayOff(row.m_nState), row.m_bOff) << row.m_nState;
}
