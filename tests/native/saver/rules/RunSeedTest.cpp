// Owning tier: native. A run's seed from what its start gives: starts that differ in any of the
// inputs the seed is made of begin other sequences; the counter alone stands for the moment
// where there is one.
#include "RunSeed.h"

#include <gtest/gtest.h>

TEST(RunSeed, StartsThatDifferGiveOtherSeeds)
{
    struct Row
    {
        RunStart m_a;
        RunStart m_b;
        bool m_bSame;
    };
    const Row rows[] = {
        // The counter a count apart, the same process id.
        {{true, 1000, 5, 42}, {true, 1001, 5, 42}, false},
        // The same moment, process ids one apart (two starts within one count).
        {{true, 1000, 5, 42}, {true, 1000, 5, 43}, false},
        // Zeros throughout still differ from one process to the next.
        {{true, 0, 0, 0}, {true, 0, 0, 4}, false},
        // With a counter the ticks are not read; without one they are the moment.
        {{true, 1000, 5, 42}, {true, 1000, 9, 42}, true},
        {{false, 1000, 5, 42}, {false, 2000, 5, 42}, true},
        {{false, 1000, 5, 42}, {false, 1000, 6, 42}, false},
        // Counters beyond 32 bits: their high half counts too.
        {{true, 0x100000000ull, 0, 7}, {true, 0x200000000ull, 0, 7}, false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(MixRunSeed(row.m_a) == MixRunSeed(row.m_b), row.m_bSame)
            << row.m_a.m_nCounter << " " << row.m_a.m_nProcessId << " / " << row.m_b.m_nCounter << " "
            << row.m_b.m_nProcessId;
    }
}
