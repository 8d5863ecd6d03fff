#pragma once

#include <cstddef>

// Rows of pixels in memory: blue, green, red and, at 4 bytes a pixel, one unused byte. Rows are
// m_nStride bytes apart, negative for a bottom-up bitmap (m_pBits then points at the top row).
struct PixelRows
{
    unsigned char* m_pBits;
    int m_nWidth;
    int m_nHeight;
    std::ptrdiff_t m_nStride;
    int m_nBytesPerPixel;  // 3 or 4
};

// Scales the whole source into the whole target, each axis on its own: where an axis shrinks (or
// keeps its size) a target pixel is the average of the source area it covers, weighted by
// coverage; where it grows, bilinear between the two nearest source pixel centres, the edge
// pixels held beyond the outermost centres. Integer arithmetic only, so every platform gives the
// same pixels: weights in 1/4096, 7 fraction bits carried between the passes, channels rounded
// to nearest with halves up; the unused byte becomes 0 and row padding is left alone. Reads only
// the source. False, with nothing written, when either side is empty, not 3 or 4 bytes a pixel,
// or memory runs out.
bool ScalePixels(const PixelRows& source, const PixelRows& target);
