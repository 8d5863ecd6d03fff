#include "ShowStep.h"

namespace {

ShowStepResult StepDissolve(ShowState& state, const RandomSource& random)
{
    ShowStepResult result;
    AddPatternCell(state.m_wPattern, random);
    AddPatternCell(state.m_wPattern, random);
    result.m_bDraw = true;
    result.m_frame = state;
    if (++state.m_nStep > kDissolveLastStep) {
        state.m_nStep = 0;
        state.m_nPhase = PHASE_SLIDE_IN;
        result.m_bLoadPicture = true;
    }
    return result;
}

ShowStepResult StepSlideIn(ShowState& state, int nHoldPeriod)
{
    ShowStepResult result;
    result.m_bDraw = true;
    result.m_frame = state;
    if (++state.m_nStep > kSlideLastStep) {
        state.m_nStep = 0;
        state.m_nPhase = PHASE_HOLD;
        result.m_bPrepareNext = true;
        result.m_nPeriod = nHoldPeriod;
    }
    return result;
}

ShowStepResult StepHold(ShowState& state)
{
    ShowStepResult result;
    ClearPattern(state.m_wPattern);
    state.m_nStep = 0;
    state.m_nPhase = PHASE_DISSOLVE;
    result.m_nPeriod = kStepPeriod;
    return result;
}

}  // namespace

ShowStepResult StepShow(ShowState& state, const RandomSource& random, int nHoldPeriod)
{
    switch (state.m_nPhase) {
    case PHASE_SLIDE_IN:
        return StepSlideIn(state, nHoldPeriod);
    case PHASE_HOLD:
        return StepHold(state);
    default:
        return StepDissolve(state, random);
    }
}
