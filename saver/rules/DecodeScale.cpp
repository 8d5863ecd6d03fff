#include "DecodeScale.h"

#include <cstdint>

namespace {

constexpr int kMaxDivisor = 8;

// Whether every fit's part of the picture, divided, still has at least the pixels it is drawn at.
bool Covers(const std::vector<ShowGeometry>& fits, int nDivisor)
{
    for (const ShowGeometry& fit : fits) {
        if (int64_t{fit.m_nWidth} * nDivisor > fit.m_nCropWidth ||
            int64_t{fit.m_nHeight} * nDivisor > fit.m_nCropHeight)
            return false;
    }
    return true;
}

}  // namespace

int ChooseDecodeDivisor(int nWidth, int nHeight, const PictureNeed& need)
{
    if (nWidth <= 0 || nHeight <= 0 || need.m_areas.empty())
        return 1;
    const std::vector<ShowGeometry> fits = FitPicture(need.m_areas, nWidth, nHeight, need.m_nFit);
    int nDivisor = 1;
    while (nDivisor < kMaxDivisor && Covers(fits, nDivisor * 2))
        nDivisor *= 2;
    return nDivisor;
}

ShowSize ReducedSize(int nWidth, int nHeight, int nDivisor)
{
    if (nDivisor <= 1)
        return ShowSize{nWidth, nHeight};
    return ShowSize{static_cast<int>((int64_t{nWidth} + nDivisor - 1) / nDivisor),
                    static_cast<int>((int64_t{nHeight} + nDivisor - 1) / nDivisor)};
}
