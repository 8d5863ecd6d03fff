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
        state.m_nPicture = NextPicture(state.m_nPicture);
        state.m_nStep = 0;
        state.m_nPhase = PHASE_SLIDE_IN;
        result.m_bLoadPicture = true;
    }
    return result;
}

ShowStepResult StepSlideIn(ShowState& state)
{
    ShowStepResult result;
    result.m_bDraw = true;
    result.m_frame = state;
    if (++state.m_nStep > kSlideLastStep) {
        state.m_nStep = 0;
        state.m_nPhase = PHASE_HOLD;
        result.m_nPrepare = NextPicture(state.m_nPicture);
        result.m_nPeriod = kHoldPeriod;
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

int NextPicture(int nPicture)
{
    return nPicture >= 0 && nPicture < kShowPictures - 1 ? nPicture + 1 : 0;
}

ShowStepResult StepShow(ShowState& state, const RandomSource& random)
{
    switch (state.m_nPhase) {
    case PHASE_SLIDE_IN:
        return StepSlideIn(state);
    case PHASE_HOLD:
        return StepHold(state);
    default:
        return StepDissolve(state, random);
    }
}
