#pragma once

#include "DissolvePattern.h"

enum ShowPhase
{
    PHASE_SLIDE_IN = 0,
    PHASE_HOLD = 1,
    PHASE_DISSOLVE = 2,
};

constexpr int kStepPeriod = 50;        // ms, slide and dissolve
constexpr int kHoldPeriod = 10000;     // ms, unless the show's options say otherwise
constexpr int kSlideLastStep = 10;     // 11 steps
constexpr int kDissolveLastStep = 32;  // 33 steps

// What the show is at: the window keeps one of these, a draw reads one.
struct ShowState
{
    PatternRows m_wPattern{};
    int m_nStep = 0;
    int m_nPicture = -1;  // counted from IDR_PICTURE1 (0 is the first); -1 before the first
    int m_nPhase = PHASE_DISSOLVE;
};

// What the window does for one timer step, in this order: draw m_frame (a timer draw), then,
// if asked, put the next picture in place of the current one (which picture comes next is the
// window's order), then start preparing the one after if asked, then set the timer period if it
// changes.
struct ShowStepResult
{
    bool m_bDraw = false;
    ShowState m_frame;  // the state the draw shows
    bool m_bLoadPicture = false;
    bool m_bPrepareNext = false;  // prepared through the hold, so that its turn finds it ready
    int m_nPeriod = 0;            // new period in ms; 0 keeps the timer as it runs
};

// One timer step, the hold nHoldPeriod ms long. Time enters only through the caller's timer:
// the step takes no clock.
ShowStepResult StepShow(ShowState& state, const RandomSource& random, int nHoldPeriod = kHoldPeriod);
