#pragma once

#include "ShowLayout.h"

#include <vector>

// What a picture is prepared for: the areas it is fitted to (or fills) and how (ShowFit).
struct PictureNeed
{
    std::vector<ShowArea> m_areas;
    int m_nFit = 0;
};

// How much a picture of nWidth x nHeight may be reduced as it is decoded: the largest of 1, 2, 4
// and 8 by which it can be divided with every area still showing at most one decoded pixel for
// each of its own, so that the show's scaler only ever reduces what is left. The size decoded
// is then ReducedSize of it, as the JPEG decoder's own reduced decode rounds (up). Without
// areas it is not reduced.
int ChooseDecodeDivisor(int nWidth, int nHeight, const PictureNeed& need);
ShowSize ReducedSize(int nWidth, int nHeight, int nDivisor);
