#include "Backdrop.h"

#include <algorithm>
#include <new>
#include <vector>

namespace {

// A small pixel for each 32 x 32 of the area: the blur then costs next to nothing, and the
// scaling up smooths what is left of it.
constexpr int kReduction = 32;
constexpr int kRadius = 2;
constexpr int kShade = 112;

// One pass along rows (bRows) or columns: each channel the mean of the 2r + 1 around it.
void BoxPass(const PixelRows& pixels, int nRadius, bool bRows, std::vector<int>& line)
{
    const int nLines = bRows ? pixels.m_nHeight : pixels.m_nWidth;
    const int nLength = bRows ? pixels.m_nWidth : pixels.m_nHeight;
    const int nBox = 2 * nRadius + 1;
    for (int nLine = 0; nLine < nLines; ++nLine) {
        const auto at = [&](int i) {
            i = std::min(std::max(i, 0), nLength - 1);
            const int x = bRows ? i : nLine;
            const int y = bRows ? nLine : i;
            return pixels.m_pBits + pixels.m_nStride * y + static_cast<std::ptrdiff_t>(x) * pixels.m_nBytesPerPixel;
        };
        for (int c = 0; c < 3; ++c) {
            int nSum = 0;
            for (int i = -nRadius; i <= nRadius; ++i)
                nSum += at(i)[c];
            for (int i = 0; i < nLength; ++i) {
                line[static_cast<size_t>(i)] = (nSum + nBox / 2) / nBox;
                nSum += at(i + nRadius + 1)[c] - at(i - nRadius)[c];
            }
            for (int i = 0; i < nLength; ++i)
                at(i)[c] = static_cast<unsigned char>(line[static_cast<size_t>(i)]);
        }
    }
}

}  // namespace

BackdropGeometry ComputeBackdrop(int nAreaWidth, int nAreaHeight)
{
    return BackdropGeometry{std::max(1, (nAreaWidth + kReduction - 1) / kReduction),
                            std::max(1, (nAreaHeight + kReduction - 1) / kReduction), kRadius, kShade};
}

bool BlurAndShade(const PixelRows& pixels, int nRadius, int nShade)
{
    if (pixels.m_pBits == nullptr || pixels.m_nWidth <= 0 || pixels.m_nHeight <= 0)
        return false;
    std::vector<int> line;
    try {
        line.resize(static_cast<size_t>(std::max(pixels.m_nWidth, pixels.m_nHeight)));
    } catch (const std::bad_alloc&) {
        return false;
    }
    BoxPass(pixels, nRadius, true, line);
    BoxPass(pixels, nRadius, false, line);
    for (int y = 0; y < pixels.m_nHeight; ++y)
        for (int x = 0; x < pixels.m_nWidth; ++x) {
            unsigned char* p =
                pixels.m_pBits + pixels.m_nStride * y + static_cast<std::ptrdiff_t>(x) * pixels.m_nBytesPerPixel;
            for (int c = 0; c < 3; ++c)
                p[c] = static_cast<unsigned char>(p[c] * nShade / 256);
        }
    return true;
}
