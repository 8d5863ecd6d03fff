#include "DissolvePattern.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

// Hands out the given numbers in turn and counts how many were taken.
struct ScriptedRandom
{
    std::vector<int> m_numbers;
    size_t m_nTaken = 0;

    RandomSource Source()
    {
        return [this] { return m_numbers.at(m_nTaken++); };
    }
};

int CountCells(const PatternRows& wPattern)
{
    int nCells = 0;
    for (uint16_t wRow : wPattern)
        nCells += __builtin_popcount(wRow);
    return nCells;
}

}  // namespace

TEST(DissolvePattern, CellBitsFollowTheMonochromeLayout)
{
    PatternRows wPattern{};
    ScriptedRandom random{{3, 7}};  // row 3, bit 7: the leftmost column
    AddPatternCell(wPattern, random.Source());
    EXPECT_EQ(wPattern[3], 0x0080);
    EXPECT_TRUE(IsPatternCellSet(wPattern, 0, 3));
    EXPECT_TRUE(IsPatternCellSet(wPattern, 8, 11));
    EXPECT_FALSE(IsPatternCellSet(wPattern, 1, 3));
    // Only the three low bits of each number count.
    ScriptedRandom high{{0x7FF8 | 5, 0x100 | 0}};
    AddPatternCell(wPattern, high.Source());
    EXPECT_EQ(wPattern[5], 0x0001);
    EXPECT_TRUE(IsPatternCellSet(wPattern, 7, 5));
}

TEST(DissolvePattern, SearchSkipsFullRowsAndSetBits)
{
    PatternRows wPattern{};
    wPattern[6] = kFullPatternRow;
    wPattern[7] = 0x00FE;
    // Row 6 full, row 7 has only bit 0 clear: bits 1 and 4 are drawn again until 0 comes.
    ScriptedRandom random{{6, 1, 4, 0}};
    AddPatternCell(wPattern, random.Source());
    EXPECT_EQ(wPattern[7], kFullPatternRow);
    EXPECT_EQ(random.m_nTaken, 4u);
    // The search wraps around from row 7 to row 0.
    ScriptedRandom wrap{{7, 2}};
    AddPatternCell(wPattern, wrap.Source());
    EXPECT_EQ(wPattern[0], 0x0004);
}

TEST(DissolvePattern, FullPatternTakesOneNumberAndStays)
{
    PatternRows wPattern;
    wPattern.fill(kFullPatternRow);
    ScriptedRandom random{{2}};
    AddPatternCell(wPattern, random.Source());
    EXPECT_EQ(random.m_nTaken, 1u);
    EXPECT_EQ(CountCells(wPattern), 64);
    ClearPattern(wPattern);
    EXPECT_EQ(CountCells(wPattern), 0);
}

TEST(DissolvePattern, SixtyFourCallsFillTheTileOneCellEach)
{
    PatternRows wPattern{};
    std::srand(1);
    for (int i = 1; i <= 64; ++i) {
        AddPatternCell(wPattern, std::rand);
        ASSERT_EQ(CountCells(wPattern), i);
    }
    for (uint16_t wRow : wPattern)
        EXPECT_EQ(wRow, kFullPatternRow);
}

TEST(DissolvePattern, StrayUpperBitsDoNotHangTheSearch)
{
    PatternRows wPattern;
    wPattern.fill(0x01FF);
    ScriptedRandom random{{0}};
    AddPatternCell(wPattern, random.Source());
    EXPECT_EQ(random.m_nTaken, 1u);
}
