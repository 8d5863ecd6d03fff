#include "ShowGeometry.h"

#include <algorithm>
#include <cstdint>

namespace {

// Products are taken in 64 bits so that no window or picture size can overflow them.
int MulDivTruncate(int nA, int nB, int nC)
{
    return static_cast<int>(static_cast<int64_t>(nA) * nB / nC);
}

}  // namespace

ShowGeometry ComputeGeometry(int nClientWidth, int nClientHeight, int nPictureWidth, int nPictureHeight)
{
    const int nW = nPictureWidth < 1 ? 1 : nPictureWidth;
    const int nH = nPictureHeight < 1 ? 1 : nPictureHeight;
    ShowGeometry geometry{};
    geometry.m_nWidth = nClientWidth;
    geometry.m_nHeight = MulDivTruncate(nClientWidth, nH, nW);
    if (geometry.m_nHeight > nClientHeight) {
        geometry.m_nHeight = nClientHeight;
        geometry.m_nWidth = MulDivTruncate(nClientHeight, nW, nH);
    }
    geometry.m_nLeft = (nClientWidth - geometry.m_nWidth) / 2;
    geometry.m_nTop = (nClientHeight - geometry.m_nHeight) / 2;
    geometry.m_nCropWidth = nW;
    geometry.m_nCropHeight = nH;
    return geometry;
}

ShowGeometry ComputeFill(int nClientWidth, int nClientHeight, int nPictureWidth, int nPictureHeight)
{
    const int nW = nPictureWidth < 1 ? 1 : nPictureWidth;
    const int nH = nPictureHeight < 1 ? 1 : nPictureHeight;
    ShowGeometry geometry{};
    geometry.m_nWidth = nClientWidth;
    geometry.m_nHeight = nClientHeight;
    geometry.m_nCropWidth = nW;
    geometry.m_nCropHeight = nH;
    if (nClientWidth < 1 || nClientHeight < 1)
        return geometry;
    // The area is wider than the picture: full width, rows cut above and below; else columns.
    if (static_cast<int64_t>(nClientWidth) * nH >= static_cast<int64_t>(nClientHeight) * nW)
        geometry.m_nCropHeight = std::max(1, MulDivTruncate(nW, nClientHeight, nClientWidth));
    else
        geometry.m_nCropWidth = std::max(1, MulDivTruncate(nH, nClientWidth, nClientHeight));
    geometry.m_nCropLeft = (nW - geometry.m_nCropWidth) / 2;
    geometry.m_nCropTop = (nH - geometry.m_nCropHeight) / 2;
    return geometry;
}

int ComputeSlideLeft(const ShowGeometry& geometry, int nClientWidth, int nStep)
{
    return geometry.m_nLeft + MulDivTruncate(10 - nStep, nClientWidth - geometry.m_nLeft, 10);
}
