// Owning tier: native. The dissolve tile's cells, their order, and where they blacken an image.
#include "DissolvePattern.h"
#include "PatternCells.h"

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

// Every pixel on a set cell of the window's grid turns black whatever the image's offset; the
// others, and every top byte, stay.
TEST(DissolvePattern, BlackenPatternCellsFollowsTheWindowsGrid)
{
    struct Row
    {
        int m_nWidth, m_nHeight, m_nLeft, m_nTop;
        PatternRows m_wCells;
    };
    const Row rows[] = {
        {16, 16, 0, 0, {0x0080, 0, 0, 0, 0, 0, 0, 0x0001}},
        {13, 11, 3, 5, {0x00A5, 0x0010, 0, 0x00FF, 0, 0x0042, 0, 0x0100}},
        {9, 10, 1037, 6, {0x0001, 0, 0x0080, 0, 0x0018, 0, 0, 0}},
        {7, 3, -3, -9, {0x00FF, 0x00FF, 0x00FF, 0x00FF, 0x00FF, 0x00FF, 0x00FF, 0x00FF}},
        {5, 4, 2, 2, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.m_nWidth << "x" << row.m_nHeight << " at " << row.m_nLeft << ","
                                        << row.m_nTop);
        int nWrong = 0;
        // Four bytes a pixel keep the top one; three bytes a pixel, rows padded to 4 bytes.
        for (const int nBytes : {4, 3}) {
            const ptrdiff_t nStride = (row.m_nWidth * nBytes + 3) / 4 * 4;
            const unsigned char colour[4] = {0xD4, 0xC3, 0xB2, 0xA1};
            std::vector<unsigned char> bits(static_cast<size_t>(nStride) * row.m_nHeight, 0x77);
            for (int y = 0; y < row.m_nHeight; ++y)
                for (int x = 0; x < row.m_nWidth; ++x)
                    std::copy(colour, colour + nBytes, &bits[y * nStride + x * nBytes]);
            std::vector<unsigned char> expected = bits;
            BlackenPatternCells(bits.data(), nStride, nBytes, row.m_nWidth, row.m_nHeight, row.m_nLeft, row.m_nTop,
                                row.m_wCells);
            for (int y = 0; y < row.m_nHeight; ++y)
                for (int x = 0; x < row.m_nWidth; ++x)
                    if (IsPatternCellSet(row.m_wCells, row.m_nLeft + x, row.m_nTop + y))
                        std::fill_n(&expected[y * nStride + x * nBytes], 3, 0);
            nWrong += bits != expected;
        }
        EXPECT_EQ(nWrong, 0);
    }
}

TEST(DissolvePattern, RowsWithCellsJoinsNeighboursAndFollowsTheGrid)
{
    struct Row
    {
        PatternRows m_wCells;
        int m_nTop, m_nHeight;
        std::vector<RowRun> m_runs;
    };
    const Row rows[] = {
        {{}, 0, 20, {}},
        {{0x0001}, 0, 20, {{0, 1}, {8, 9}, {16, 17}}},
        {{0x0001, 0x0080}, 5, 20, {{3, 5}, {11, 13}, {19, 20}}},
        {{0, 0, 0, 0, 0, 0, 0, 0x0100}, 0, 16, {}},
        {{0x00FF, 0x00FF, 0x00FF, 0x00FF, 0x00FF, 0x00FF, 0x00FF, 0x00FF}, -3, 11, {{0, 11}}},
        {{0, 0, 0x0004}, 1037, 9, {{5, 6}}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(RowsWithCells(row.m_wCells, row.m_nTop, row.m_nHeight), row.m_runs) << row.m_nTop;
}
