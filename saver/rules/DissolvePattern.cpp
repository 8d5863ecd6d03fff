#include "DissolvePattern.h"

#include <cstddef>

void AddPatternCell(PatternRows& wPattern, const RandomSource& random)
{
    const int nFirst = random() & 7;
    for (int i = 0; i < 8; ++i) {
        uint16_t& wRow = wPattern[(nFirst + i) & 7];
        // Only the low byte counts, so a row with stray upper bits cannot keep the search going.
        if ((wRow & kFullPatternRow) == kFullPatternRow)
            continue;
        for (;;) {
            const uint16_t wBit = static_cast<uint16_t>(1u << (random() & 7));
            if ((wRow & wBit) == 0) {
                wRow = static_cast<uint16_t>(wRow | wBit);
                return;
            }
        }
    }
}

void ClearPattern(PatternRows& wPattern)
{
    wPattern.fill(0);
}

void BlackenPatternCells(unsigned char* pBits, ptrdiff_t nStride, int nBytesPerPixel, int nWidth, int nHeight,
                         int nLeft, int nTop, const PatternRows& wCells)
{
    for (int y = 0; y < nHeight; ++y) {
        const unsigned nRow = wCells[(nTop + y) & 7] & kFullPatternRow;
        unsigned char* pRow = pBits + static_cast<ptrdiff_t>(y) * nStride;
        for (int nColumn = 0; nRow != 0 && nColumn < 8; ++nColumn) {
            if (((nRow >> (7 - nColumn)) & 1) == 0)
                continue;
            for (int x = (nColumn - nLeft) & 7; x < nWidth; x += 8) {
                unsigned char* pPixel = pRow + static_cast<ptrdiff_t>(x) * nBytesPerPixel;
                pPixel[0] = pPixel[1] = pPixel[2] = 0;
            }
        }
    }
}

std::vector<RowRun> RowsWithCells(const PatternRows& wCells, int nTop, int nHeight)
{
    std::vector<RowRun> runs;
    for (int y = 0; y < nHeight; ++y) {
        if ((wCells[(nTop + y) & 7] & kFullPatternRow) == 0)
            continue;
        if (!runs.empty() && runs.back().m_nBottom == y)
            runs.back().m_nBottom = y + 1;
        else
            runs.push_back(RowRun{y, y + 1});
    }
    return runs;
}
