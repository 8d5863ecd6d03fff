#pragma once

#include "DissolvePattern.h"

#include <vector>

// Which picture comes next: listed, 0, 1, ... n - 1, 0, ...; shuffled, every pass of all n
// pictures a new random order whose first picture is never the one the pass before ended with
// (with two or more). The random numbers are the show's own, drawn only when shuffling.
class CShowOrder
{
public:
    CShowOrder(int nPictures, int nOrder);

    // The next picture, counted from 0; -1 when there are none.
    int Next(const RandomSource& random);

private:
    void Shuffle(const RandomSource& random);

    int m_nPictures;
    int m_nOrder;
    std::vector<int> m_pass;  // the shuffled pass under way
    size_t m_nNext = 0;       // its next position
    int m_nLast = -1;         // the picture given last
};
