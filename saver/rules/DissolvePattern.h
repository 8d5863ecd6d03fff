#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

// The 8 x 8 dissolve tile, one row per element, row 0 at the top. Bit b of a row is the cell
// in column 7 - b; the upper byte stays 0. Little-endian, the 16 bytes are the bits of an
// 8 x 8 monochrome bitmap with rows padded to 16 bits.
using PatternRows = std::array<uint16_t, 8>;

// Only the three low bits of each number are used; the C library's rand() serves.
using RandomSource = std::function<int()>;

constexpr uint16_t kFullPatternRow = 0x00FF;

// Sets one more random cell; a full pattern stays as it is (and costs one number).
void AddPatternCell(PatternRows& wPattern, const RandomSource& random);

void ClearPattern(PatternRows& wPattern);

// Blackens, in a top-down image of 3 or 4 bytes a pixel (blue, green, red and an unused top
// byte) whose rows lie nStride bytes apart and whose top-left pixel lies at (nLeft, nTop) of
// the tile's grid, every pixel on a set cell of wCells. A 4-byte pixel keeps its top byte, as
// under the pattern brush's mix.
void BlackenPatternCells(unsigned char* pBits, ptrdiff_t nStride, int nBytesPerPixel, int nWidth, int nHeight,
                         int nLeft, int nTop, const PatternRows& wCells);

// Rows [m_nTop, m_nBottom) of an image.
struct RowRun
{
    int m_nTop;
    int m_nBottom;
};

inline bool operator==(const RowRun& a, const RowRun& b)
{
    return a.m_nTop == b.m_nTop && a.m_nBottom == b.m_nBottom;
}

// The runs of rows of an image nHeight rows high, its top row at nTop of the tile's grid,
// that hold a set cell of wCells: all a dissolve step changes in it.
std::vector<RowRun> RowsWithCells(const PatternRows& wCells, int nTop, int nHeight);
