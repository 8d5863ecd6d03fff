#include "PixelScale.h"

#include <cstdint>
#include <new>
#include <vector>

namespace {

constexpr int kWeightBits = 12;
constexpr uint32_t kOne = 1u << kWeightBits;
constexpr int kRowBits = 7;  // fraction bits of a row scaled across
constexpr int kChannels = 3;

// Which source pixels make target pixel i along one axis, and with what weights (summing to kOne).
struct AxisTaps
{
    std::vector<int> m_nFirst;
    std::vector<int> m_nCount;
    std::vector<int> m_nOffset;  // of pixel i's first weight in m_nWeight
    std::vector<uint32_t> m_nWeight;
    int m_nMaxCount = 0;

    void Add(int nFirst, const uint32_t* pWeights, int nCount)
    {
        m_nFirst.push_back(nFirst);
        m_nCount.push_back(nCount);
        m_nOffset.push_back(static_cast<int>(m_nWeight.size()));
        m_nWeight.insert(m_nWeight.end(), pWeights, pWeights + nCount);
        m_nMaxCount = nCount > m_nMaxCount ? nCount : m_nMaxCount;
    }
};

// Shrinking: target pixel i covers source [i * nSource, (i + 1) * nSource) in units of
// 1 / nTarget of a source pixel. Weights are differences of rounded running sums, so they add up
// to exactly kOne and a flat colour stays flat.
void AddAreaTaps(AxisTaps& taps, int nSource, int nTarget)
{
    std::vector<uint32_t> weights;
    for (int i = 0; i < nTarget; ++i) {
        const int64_t nLow = static_cast<int64_t>(i) * nSource;
        const int64_t nHigh = nLow + nSource;
        const int nFirst = static_cast<int>(nLow / nTarget);
        const int nLast = static_cast<int>((nHigh - 1) / nTarget);
        weights.clear();
        int64_t nCovered = 0;
        uint32_t nGiven = 0;
        for (int s = nFirst; s <= nLast; ++s) {
            const int64_t nFrom = static_cast<int64_t>(s) * nTarget;
            nCovered += (nHigh < nFrom + nTarget ? nHigh : nFrom + nTarget) - (nLow > nFrom ? nLow : nFrom);
            const uint32_t nSum = static_cast<uint32_t>((nCovered * kOne + nSource / 2) / nSource);
            weights.push_back(nSum - nGiven);
            nGiven = nSum;
        }
        taps.Add(nFirst, weights.data(), static_cast<int>(weights.size()));
    }
}

// Growing: target pixel i's centre lies at ((2i + 1) * nSource - nTarget) / (2 * nTarget) in
// source pixels; outside the outermost source centres the edge pixel holds.
void AddBilinearTaps(AxisTaps& taps, int nSource, int nTarget)
{
    const int64_t nDenominator = 2 * static_cast<int64_t>(nTarget);
    for (int i = 0; i < nTarget; ++i) {
        const int64_t nNumerator = (2 * static_cast<int64_t>(i) + 1) * nSource - nTarget;
        int nFirst = 0;
        uint32_t nFraction = 0;
        if (nNumerator > 0) {
            nFirst = static_cast<int>(nNumerator / nDenominator);
            nFraction = static_cast<uint32_t>(((nNumerator % nDenominator) * kOne + nTarget) / nDenominator);
        }
        if (nFirst >= nSource - 1) {
            nFirst = nSource - 1;
            nFraction = 0;
        }
        const uint32_t weights[2] = {kOne - nFraction, nFraction};
        taps.Add(nFirst, weights, nFraction == 0 ? 1 : 2);
    }
}

void ComputeTaps(AxisTaps& taps, int nSource, int nTarget)
{
    taps.m_nFirst.reserve(nTarget);
    taps.m_nCount.reserve(nTarget);
    taps.m_nOffset.reserve(nTarget);
    if (nTarget <= nSource)
        AddAreaTaps(taps, nSource, nTarget);
    else
        AddBilinearTaps(taps, nSource, nTarget);
}

// One source row scaled across, channel by channel, with kRowBits fraction bits.
void ScaleRowAcross(const unsigned char* pSource, int nBytesPerPixel, const AxisTaps& taps, uint16_t* pRow)
{
    const int nWidth = static_cast<int>(taps.m_nFirst.size());
    constexpr uint32_t nHalf = 1u << (kWeightBits - kRowBits - 1);
    for (int x = 0; x < nWidth; ++x) {
        const unsigned char* pPixel = pSource + static_cast<std::ptrdiff_t>(taps.m_nFirst[x]) * nBytesPerPixel;
        const uint32_t* pWeight = &taps.m_nWeight[taps.m_nOffset[x]];
        uint32_t b = 0, g = 0, r = 0;
        for (int k = 0; k < taps.m_nCount[x]; ++k, pPixel += nBytesPerPixel) {
            b += pWeight[k] * pPixel[0];
            g += pWeight[k] * pPixel[1];
            r += pWeight[k] * pPixel[2];
        }
        pRow[0] = static_cast<uint16_t>((b + nHalf) >> (kWeightBits - kRowBits));
        pRow[1] = static_cast<uint16_t>((g + nHalf) >> (kWeightBits - kRowBits));
        pRow[2] = static_cast<uint16_t>((r + nHalf) >> (kWeightBits - kRowBits));
        pRow += kChannels;
    }
}

// At the same size each pixel is only copied, between 3 and 4 bytes as the sides have them.
template <int nFrom, int nTo>
void CopyRows(const PixelRows& source, const PixelRows& target)
{
    for (int y = 0; y < target.m_nHeight; ++y) {
        const unsigned char* pFrom = source.m_pBits + y * source.m_nStride;
        unsigned char* pTo = target.m_pBits + y * target.m_nStride;
        for (int x = 0; x < target.m_nWidth; ++x, pFrom += nFrom, pTo += nTo) {
            pTo[0] = pFrom[0];
            pTo[1] = pFrom[1];
            pTo[2] = pFrom[2];
            if (nTo == 4)
                pTo[3] = 0;
        }
    }
}

void CopyPixels(const PixelRows& source, const PixelRows& target)
{
    if (source.m_nBytesPerPixel == 3)
        target.m_nBytesPerPixel == 3 ? CopyRows<3, 3>(source, target) : CopyRows<3, 4>(source, target);
    else
        target.m_nBytesPerPixel == 3 ? CopyRows<4, 3>(source, target) : CopyRows<4, 4>(source, target);
}

bool IsUsable(const PixelRows& rows)
{
    return rows.m_pBits != nullptr && rows.m_nWidth > 0 && rows.m_nHeight > 0 &&
           (rows.m_nBytesPerPixel == 3 || rows.m_nBytesPerPixel == 4);
}

}  // namespace

bool ScalePixels(const PixelRows& source, const PixelRows& target)
{
    if (!IsUsable(source) || !IsUsable(target))
        return false;
    if (source.m_nWidth == target.m_nWidth && source.m_nHeight == target.m_nHeight) {
        CopyPixels(source, target);
        return true;
    }
    const int nWidth = target.m_nWidth;
    const size_t nRowValues = static_cast<size_t>(nWidth) * kChannels;
    AxisTaps across, down;
    // Rows scaled across, kept in a ring: each source row is scaled across once, and the ring
    // holds as many as one target row draws on.
    std::vector<uint16_t> ring;
    std::vector<uint32_t> sums;
    try {
        ComputeTaps(across, source.m_nWidth, nWidth);
        ComputeTaps(down, source.m_nHeight, target.m_nHeight);
        ring.resize(nRowValues * down.m_nMaxCount);
        sums.resize(nRowValues);
    } catch (const std::bad_alloc&) {
        return false;
    }

    const int nRing = down.m_nMaxCount;
    int nNextRow = 0;  // the next source row to scale across
    constexpr uint32_t nHalf = 1u << (kWeightBits + kRowBits - 1);
    for (int y = 0; y < target.m_nHeight; ++y) {
        const int nFirst = down.m_nFirst[y];
        const int nCount = down.m_nCount[y];
        if (nNextRow < nFirst)
            nNextRow = nFirst;
        for (; nNextRow < nFirst + nCount; ++nNextRow)
            ScaleRowAcross(source.m_pBits + nNextRow * source.m_nStride, source.m_nBytesPerPixel, across,
                           &ring[(nNextRow % nRing) * nRowValues]);

        const uint32_t* pWeight = &down.m_nWeight[down.m_nOffset[y]];
        const uint16_t* pRow = &ring[(nFirst % nRing) * nRowValues];
        for (size_t i = 0; i < nRowValues; ++i)
            sums[i] = pWeight[0] * pRow[i];
        for (int k = 1; k < nCount; ++k) {
            pRow = &ring[((nFirst + k) % nRing) * nRowValues];
            for (size_t i = 0; i < nRowValues; ++i)
                sums[i] += pWeight[k] * pRow[i];
        }

        unsigned char* pPixel = target.m_pBits + y * target.m_nStride;
        const uint32_t* pSum = sums.data();
        for (int x = 0; x < nWidth; ++x, pSum += kChannels, pPixel += target.m_nBytesPerPixel) {
            pPixel[0] = static_cast<unsigned char>((pSum[0] + nHalf) >> (kWeightBits + kRowBits));
            pPixel[1] = static_cast<unsigned char>((pSum[1] + nHalf) >> (kWeightBits + kRowBits));
            pPixel[2] = static_cast<unsigned char>((pSum[2] + nHalf) >> (kWeightBits + kRowBits));
            if (target.m_nBytesPerPixel == 4)
                pPixel[3] = 0;
        }
    }
    return true;
}
