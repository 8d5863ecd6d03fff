// Owning tier: native. The show's phases and steps (which picture comes is ShowOrderTest's).
#include "ShowStep.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

int CountCells(const PatternRows& wPattern)
{
    int nCells = 0;
    for (uint16_t wRow : wPattern)
        nCells += __builtin_popcount(wRow);
    return nCells;
}

// One step as the window sees it: what it drew (or -1), whether it changed or prepared a
// picture, the period.
struct StepTrace
{
    int m_nPhase;
    int m_nStep;
    int m_nCells;
    bool m_bLoaded;
    int m_nPeriod;
    bool m_bPrepare;
};

// Runs steps until n pictures have been loaded and the show stands at the next picture's
// first slide step.
std::vector<StepTrace> RunUntilLoads(ShowState& state, int nLoads)
{
    std::vector<StepTrace> trace;
    int nLoaded = 0;
    while (nLoaded < nLoads) {
        const ShowStepResult result = StepShow(state, std::rand);
        StepTrace step{-1, -1, -1, result.m_bLoadPicture, result.m_nPeriod, result.m_bPrepareNext};
        if (result.m_bDraw) {
            step.m_nPhase = result.m_frame.m_nPhase;
            step.m_nStep = result.m_frame.m_nStep;
            step.m_nCells = CountCells(result.m_frame.m_wPattern);
        }
        nLoaded += result.m_bLoadPicture;
        trace.push_back(step);
    }
    return trace;
}

}  // namespace

TEST(ShowStep, OpeningDissolveThenPictureOne)
{
    ShowState state;
    const std::vector<StepTrace> trace = RunUntilLoads(state, 1);
    ASSERT_EQ(trace.size(), 33u);
    for (int i = 0; i < 33; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(trace[i].m_nPhase, PHASE_DISSOLVE);
        EXPECT_EQ(trace[i].m_nStep, i);
        EXPECT_EQ(trace[i].m_nCells, i < 32 ? 2 * (i + 1) : 64);  // the 33rd step draws it full again
        EXPECT_EQ(trace[i].m_nPeriod, 0);
        EXPECT_EQ(trace[i].m_bLoaded, i == 32);
        EXPECT_FALSE(trace[i].m_bPrepare);
    }
    EXPECT_EQ(state.m_nPhase, PHASE_SLIDE_IN);
    EXPECT_EQ(state.m_nStep, 0);
}

TEST(ShowStep, FullCycleSlideHoldDissolve)
{
    ShowState state;
    RunUntilLoads(state, 1);
    for (int nCycle = 0; nCycle < 4; ++nCycle) {
        SCOPED_TRACE(nCycle);
        const std::vector<StepTrace> trace = RunUntilLoads(state, 1);
        ASSERT_EQ(trace.size(), 11u + 1u + 33u);
        for (int i = 0; i < 11; ++i) {
            EXPECT_EQ(trace[i].m_nPhase, PHASE_SLIDE_IN);
            EXPECT_EQ(trace[i].m_nStep, i);
            EXPECT_EQ(trace[i].m_nPeriod, i == 10 ? kHoldPeriod : 0);
            // The next picture is asked for once, as the hold begins.
            EXPECT_EQ(trace[i].m_bPrepare, i == 10);
        }
        // The hold: one step of 10000 ms that draws nothing and restarts the 50 ms timer.
        EXPECT_EQ(trace[11].m_nPhase, -1);
        EXPECT_EQ(trace[11].m_nPeriod, kStepPeriod);
        for (int i = 0; i < 33; ++i) {
            EXPECT_EQ(trace[12 + i].m_nPhase, PHASE_DISSOLVE);
            EXPECT_EQ(trace[12 + i].m_nStep, i);
            EXPECT_EQ(trace[12 + i].m_nCells, i < 32 ? 2 * (i + 1) : 64);
        }
        EXPECT_TRUE(trace.back().m_bLoaded);
    }
    // The options' hold takes the place of the 10000 ms.
    EXPECT_EQ(StepShow(state, std::rand, 3000).m_nPeriod, 0);
    for (int i = 1; i < kSlideLastStep; ++i)
        StepShow(state, std::rand, 3000);
    EXPECT_EQ(StepShow(state, std::rand, 3000).m_nPeriod, 3000);
}

TEST(ShowStep, OddStatesComeBackIntoTheCycle)
{
    ShowState state;
    state.m_nPhase = 9;
    state.m_nStep = 1000;
    const ShowStepResult result = StepShow(state, std::rand);
    EXPECT_TRUE(result.m_bLoadPicture);
    EXPECT_EQ(state.m_nPhase, PHASE_SLIDE_IN);
}
