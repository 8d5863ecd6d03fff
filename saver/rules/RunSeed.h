#pragma once

#include <cstdint>

// What a run's start gives to seed the show's random numbers: the high-resolution counter at
// that moment (where the system has one), the millisecond tick count, and the process's id.
struct RunStart
{
    bool m_bCounter = false;
    uint64_t m_nCounter = 0;
    uint32_t m_nTicks = 0;
    uint32_t m_nProcessId = 0;
};

// The run's seed: the counter, or the ticks without one, mixed with the process id so that
// starts a count apart, or a process apart at the same count, begin unrelated sequences.
unsigned MixRunSeed(const RunStart& start);
