// Owning tier: native. Which picture comes next, listed or shuffled.
#include "ShowOptions.h"
#include "ShowOrder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

std::vector<int> Take(CShowOrder& order, int nCount, const RandomSource& random)
{
    std::vector<int> pictures;
    for (int i = 0; i < nCount; ++i)
        pictures.push_back(order.Next(random));
    return pictures;
}

RandomSource Lcg(unsigned nSeed)
{
    return [nSeed]() mutable { return static_cast<int>(((nSeed = nSeed * 1103515245u + 12345u) >> 16) & 0x7FFF); };
}

}  // namespace

TEST(ShowOrder, ListedGoesRoundWithoutTakingANumber)
{
    int nTaken = 0;
    const RandomSource counted = [&nTaken] { return ++nTaken; };
    CShowOrder four(4, ORDER_LISTED);
    EXPECT_EQ(Take(four, 9, counted), (std::vector<int>{0, 1, 2, 3, 0, 1, 2, 3, 0}));
    CShowOrder one(1, ORDER_LISTED);
    EXPECT_EQ(Take(one, 3, counted), (std::vector<int>{0, 0, 0}));
    CShowOrder none(0, ORDER_SHUFFLE);
    EXPECT_EQ(none.Next(counted), -1);
    EXPECT_EQ(nTaken, 0);
}

// Every pass is a permutation of all pictures, and no picture comes twice in a row across the
// passes; over many passes and seeds every picture starts some pass.
TEST(ShowOrder, ShuffledPassesArePermutationsWithNoRepeatBetweenThem)
{
    struct Row
    {
        int m_nPictures;
        unsigned m_nSeed;
    };
    const Row rows[] = {{1, 1}, {2, 1}, {2, 7}, {3, 5}, {6, 11}, {57, 3}};
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.m_nPictures << " pictures, seed " << row.m_nSeed);
        CShowOrder order(row.m_nPictures, ORDER_SHUFFLE);
        const RandomSource random = Lcg(row.m_nSeed);
        std::vector<int> firsts(static_cast<size_t>(row.m_nPictures));
        int nLast = -1;
        int nRepeats = 0;
        for (int nPass = 0; nPass < 60; ++nPass) {
            std::vector<int> pass = Take(order, row.m_nPictures, random);
            ++firsts[static_cast<size_t>(pass.front())];
            nRepeats += pass.front() == nLast;
            nLast = pass.back();
            std::sort(pass.begin(), pass.end());
            for (int i = 0; i < row.m_nPictures; ++i)
                ASSERT_EQ(pass[static_cast<size_t>(i)], i) << "pass " << nPass;
        }
        // One picture can only follow itself.
        EXPECT_EQ(nRepeats, row.m_nPictures == 1 ? 59 : 0);
        // Two can only alternate, so their passes all start alike.
        if (row.m_nPictures >= 3 && row.m_nPictures <= 6) {
            EXPECT_EQ(std::count(firsts.begin(), firsts.end(), 0), 0);
        }
    }
}

// Two pictures shuffled can only alternate: a new pass must start with the one the last did not
// end with.
TEST(ShowOrder, TwoShuffledPicturesAlternate)
{
    CShowOrder order(2, ORDER_SHUFFLE);
    const std::vector<int> pictures = Take(order, 20, Lcg(9));
    for (size_t i = 1; i < pictures.size(); ++i)
        EXPECT_NE(pictures[i], pictures[i - 1]) << i;
}
