#pragma once

#include "DissolvePattern.h"

// The tests' own reading of the tile: whether pixel (x, y) of a client area falls on a set cell
// (tile aligned at its top left).
inline bool IsPatternCellSet(const PatternRows& wPattern, int x, int y)
{
    return (wPattern[y & 7] >> (7 - (x & 7))) & 1;
}
