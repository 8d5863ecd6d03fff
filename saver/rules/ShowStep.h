#pragma once

#include "DissolvePattern.h"

enum ShowPhase
{
    PHASE_SLIDE_IN = 0,
    PHASE_HOLD = 1,
    PHASE_DISSOLVE = 2,
};

constexpr int kShowPictures = 4;
constexpr int kStepPeriod = 50;        // ms, slide and dissolve
constexpr int kHoldPeriod = 10000;     // ms
constexpr int kSlideLastStep = 10;     // 11 steps
constexpr int kDissolveLastStep = 32;  // 33 steps

// What the show is at: the window keeps one of these, a draw reads one.
struct ShowState
{
    PatternRows m_wPattern{};
    int m_nStep = 0;
    int m_nPicture = -1;  // 0 ... 3, counted from IDR_PICTURE1; -1 before the first
    int m_nPhase = PHASE_DISSOLVE;
};

// What the window does for one timer step, in this order: draw m_frame (a timer draw), then,
// if asked, put picture m_nPicture of the new state in place of the current one, then start
// preparing picture m_nPrepare if there is one, then set the timer period if it changes.
struct ShowStepResult
{
    bool m_bDraw = false;
    ShowState m_frame;  // the state the draw shows
    bool m_bLoadPicture = false;
    int m_nPrepare = -1;  // picture index; prepared through the hold, so that its turn finds it ready
    int m_nPeriod = 0;    // new period in ms; 0 keeps the timer as it runs
};

// The picture after nPicture (-1 before the first): 0, 1, 2, 3, 0, ...
int NextPicture(int nPicture);

// One timer step. Time enters only through the caller's timer: the step takes no clock.
ShowStepResult StepShow(ShowState& state, const RandomSource& random);
