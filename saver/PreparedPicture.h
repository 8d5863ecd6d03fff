#pragma once

#include "Gdi.h"
#include "ShowLayout.h"

#include <vector>

// Decodes resource "JPEG" nId of the program; null when it cannot.
using PictureDecoder = HBITMAP (*)(HMODULE hModule, UINT nId);

struct ScaledPicture
{
    ShowSize m_size;
    CBitmap m_bmp;
};

// One picture made ready for the screen: decoded, then scaled once, whole and unclipped, to
// every size it is drawn at, so that drawing it is a 1:1 copy that shows the same pixels at
// every step. A picture that does not decode has no size and no bitmaps.
struct PreparedPicture
{
    int m_nPicture = -1;
    SIZE m_sizePicture{};
    std::vector<ScaledPicture> m_scaled;

    bool IsDecoded() const { return m_sizePicture.cx > 0 && m_sizePicture.cy > 0; }
    // The copy at that size; null when it could not be made.
    const CBitmap* Find(const ShowSize& size) const;
};

// Runs on any thread: it touches nothing but the objects it makes.
PreparedPicture PreparePicture(int nPicture, const std::vector<ShowArea>& areas, PictureDecoder pfnDecode);
