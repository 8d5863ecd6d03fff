#pragma once

#include "DecodeScale.h"
#include "DissolvePattern.h"
#include "Gdi.h"
#include "PictureCaption.h"
#include "ShowLayout.h"

#include <vector>

// Decodes resource "JPEG" nId of the program into a DIB section of 24 or 32 bits that the caller
// owns, as far reduced as need allows; null when it cannot.
using PictureDecoder = HBITMAP (*)(HMODULE hModule, UINT nId, const PictureNeed& need);

struct ScaledPicture
{
    ShowSize m_size;
    CBitmap m_bmp;
    // Once a dissolve has claimed the copy: where the window's tile grid puts its top-left
    // pixel (modulo 8), and the cells already black in it.
    int m_nTileLeft = -1;
    int m_nTileTop = -1;
    PatternRows m_wDissolved{};
};

// One picture made ready for the screen: decoded, fitted to (or filling) each area of a layout,
// then the part a fit shows scaled once, unclipped, to every size a fit draws it at, so that
// drawing it is a 1:1 copy that shows the same pixels at every step. The decoded picture, at the
// size the areas need, goes as soon as its copies are made. A picture that does not decode has no size and
// no bitmaps, and is fitted as a 1 x 1 square.
struct PreparedPicture
{
    int m_nPicture = -1;
    SIZE m_sizePicture{};
    // One per area, in the layout's order: where the picture is drawn in it, at its copy's size.
    std::vector<ShowGeometry> m_fits;
    std::vector<ScaledPicture> m_scaled;

    bool IsDecoded() const { return m_sizePicture.cx > 0 && m_sizePicture.cy > 0; }
    // The copy at that size, as prepared; null when it could not be made.
    const CBitmap* Find(const ShowSize& size) const;

    // Whether a copy is 32 bits a pixel, as the screen has them: one the next picture may take.
    bool HasWideCopies() const;
    // A picture prepared at 24 bits a pixel, to be held beside the current one (spent), takes
    // its place: each copy of a size that spent has at 32 bits moves into spent's bitmap, which
    // is memory already in use, so that each step copies it to the screen unconverted. A copy
    // without one stays at 24 bits.
    void Widen(PreparedPicture& spent);

    // The dissolve writes its cells into the copies, so each position of the tile needs a copy
    // of its own: claims one at that size for a picture whose top-left pixel lies at (nLeft,
    // nTop) of the window, cloning a clean one if another position holds it. Every area claims
    // before any cell is written.
    void ClaimDissolveCopy(const ShowSize& size, int nLeft, int nTop);
    // The claimed copy with every cell of wPattern black in it; null when there is none.
    const CBitmap* Dissolve(const ShowSize& size, int nLeft, int nTop, const PatternRows& wPattern);
};

// Runs on any thread: it touches nothing but the objects it makes. The copies take 3 or 4 bytes
// a pixel: 3, a quarter less, for one held beside the current picture. A caption is drawn into
// each copy, so that showing it costs a step nothing.
PreparedPicture PreparePicture(int nPicture, const std::vector<ShowArea>& areas, int nFit, int nBytesPerPixel,
                               PictureDecoder pfnDecode, const PictureCaption& caption = PictureCaption{});

// A picture with nothing to show for these areas: its turn stays black.
PreparedPicture BlackPicture(int nPicture, const std::vector<ShowArea>& areas);
