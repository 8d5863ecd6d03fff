#include "RunSeed.h"

namespace {

// The 64-bit finaliser of SplitMix64: every input bit moves about half of the output's.
uint64_t Avalanche(uint64_t n)
{
    n = (n ^ (n >> 30)) * 0xBF58476D1CE4E5B9ull;
    n = (n ^ (n >> 27)) * 0x94D049BB133111EBull;
    return n ^ (n >> 31);
}

}  // namespace

unsigned MixRunSeed(const RunStart& start)
{
    const uint64_t nMoment = start.m_bCounter ? start.m_nCounter : start.m_nTicks;
    const uint64_t nMixed = Avalanche(nMoment + 0x9E3779B97F4A7C15ull * (uint64_t{start.m_nProcessId} + 1));
    return static_cast<unsigned>(nMixed ^ (nMixed >> 32));
}
