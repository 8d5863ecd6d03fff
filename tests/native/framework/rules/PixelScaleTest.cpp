// Owning tier of the scaler's rules (weights, rounding, edges, axes, strides): native. The Wine
// tier only checks that bitmaps reach it the right way up.
#include "PixelScale.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

constexpr unsigned char kPadding = 0xEE;

uint32_t Grey(uint32_t n)
{
    return n * 0x010101;
}

ptrdiff_t StrideOf(int nWidth, int nBytesPerPixel)
{
    return (nWidth * nBytesPerPixel + 3) & ~3;
}

// Pixels 0xRRGGBB as DIB rows, with that unused byte and the row padding kPadding.
std::vector<unsigned char> Pack(const std::vector<uint32_t>& pixels, int nWidth, int nBytesPerPixel, bool bBottomUp,
                                unsigned char nUnused)
{
    const int nHeight = nWidth > 0 ? static_cast<int>(pixels.size()) / nWidth : 0;
    const ptrdiff_t nStride = StrideOf(nWidth, nBytesPerPixel);
    std::vector<unsigned char> bytes(nStride * nHeight, kPadding);
    for (size_t i = 0; i < pixels.size(); ++i) {
        const int y = static_cast<int>(i) / nWidth;
        unsigned char* p = &bytes[(bBottomUp ? nHeight - 1 - y : y) * nStride + (i % nWidth) * nBytesPerPixel];
        for (int c = 0; c < nBytesPerPixel; ++c)
            p[c] = c < 3 ? static_cast<unsigned char>(pixels[i] >> (8 * c)) : nUnused;
    }
    return bytes;
}

}  // namespace

TEST(PixelScale, ScalesByTheRulesOfEachAxis)
{
    const struct
    {
        const char* m_pszWhat;
        int m_nSourceWidth, m_nSourceBytes;
        bool m_bBottomUp;
        std::vector<uint32_t> m_source;
        int m_nWidth, m_nHeight, m_nBytes;
        std::vector<uint32_t> m_expected;  // empty: refused, nothing written
    } rows[] = {
        {"same size copies, unused byte 0", 3, 4, false, {0x102030, 0x405060, 0xFFFFFF}, 3, 1, 4,
         {0x102030, 0x405060, 0xFFFFFF}},
        {"same size from 24 bits, two rows", 1, 3, true, {0x102030, 0x405060}, 1, 2, 4, {0x102030, 0x405060}},
        {"halving averages pairs", 4, 4, false, {Grey(10), Grey(20), Grey(30), Grey(40)}, 2, 1, 4,
         {Grey(15), Grey(35)}},
        {"3 to 2 weighs by coverage", 3, 3, false, {Grey(0), Grey(90), Grey(180)}, 2, 1, 4, {Grey(30), Grey(150)}},
        {"halves round up, channel by channel", 2, 4, false, {0x000000, 0x030103}, 1, 1, 4, {0x020102}},
        {"growing is bilinear between centres, edges held", 2, 4, false, {Grey(0), Grey(200)}, 4, 1, 4,
         {Grey(0), Grey(50), Grey(150), Grey(200)}},
        {"white stays white shrinking 7 to 3", 7, 4, false, std::vector<uint32_t>(7, 0xFFFFFF), 3, 1, 4,
         std::vector<uint32_t>(3, 0xFFFFFF)},
        {"a flat colour stays flat growing 3 to 7", 3, 4, false, std::vector<uint32_t>(3, 0x7F0381), 7, 1, 4,
         std::vector<uint32_t>(7, 0x7F0381)},
        {"shrinks across, grows down", 2, 4, false, {Grey(0), Grey(100), Grey(200), Grey(100)}, 1, 4, 4,
         {Grey(50), Grey(75), Grey(125), Grey(150)}},
        {"32-bit into padded 24-bit rows", 1, 4, false, {Grey(10), Grey(30)}, 1, 1, 3, {Grey(20)}},
        {"bottom-up source keeps its top row first", 1, 3, true, {Grey(1), Grey(2), Grey(3)}, 1, 3, 4,
         {Grey(1), Grey(2), Grey(3)}},
        {"empty source refused", 0, 4, false, {}, 2, 2, 4, {}},
        {"2 bytes a pixel refused", 2, 4, false, {Grey(1), Grey(2)}, 2, 1, 2, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.m_pszWhat);
        std::vector<unsigned char> source = Pack(row.m_source, row.m_nSourceWidth, row.m_nSourceBytes, row.m_bBottomUp, 0xAA);
        const int nSourceHeight = row.m_nSourceWidth > 0 ? static_cast<int>(row.m_source.size()) / row.m_nSourceWidth : 0;
        const ptrdiff_t nSourceStride = StrideOf(row.m_nSourceWidth, row.m_nSourceBytes);
        unsigned char* pTop = source.data() + (row.m_bBottomUp ? (nSourceHeight - 1) * nSourceStride : 0);
        const PixelRows from{pTop, row.m_nSourceWidth, nSourceHeight, row.m_bBottomUp ? -nSourceStride : nSourceStride,
                             row.m_nSourceBytes};
        const ptrdiff_t nStride = StrideOf(row.m_nWidth, row.m_nBytes);
        std::vector<unsigned char> target(nStride * row.m_nHeight, kPadding);
        const PixelRows to{target.data(), row.m_nWidth, row.m_nHeight, nStride, row.m_nBytes};

        ASSERT_EQ(ScalePixels(from, to), !row.m_expected.empty());
        std::vector<unsigned char> expected(target.size(), kPadding);
        if (!row.m_expected.empty())
            expected = Pack(row.m_expected, row.m_nWidth, row.m_nBytes, false, 0);
        EXPECT_EQ(target, expected);
    }
}
