#pragma once

#include "ShowGeometry.h"

#include <vector>

// A rectangle of the show: a monitor or the virtual screen in screen coordinates, or a show
// area in the coordinates of the window's client area.
struct ShowArea
{
    int m_nLeft;
    int m_nTop;
    int m_nWidth;
    int m_nHeight;
};

struct ShowSize
{
    int m_nWidth;
    int m_nHeight;
};

inline bool operator==(const ShowArea& a, const ShowArea& b)
{
    return a.m_nLeft == b.m_nLeft && a.m_nTop == b.m_nTop && a.m_nWidth == b.m_nWidth && a.m_nHeight == b.m_nHeight;
}

inline bool operator==(const ShowSize& a, const ShowSize& b)
{
    return a.m_nWidth == b.m_nWidth && a.m_nHeight == b.m_nHeight;
}

// The show areas of a window placed over rcWindow: each monitor moved into the window's
// coordinates and cut to it, a monitor listed twice (a mirror) once. Monitors wholly outside
// are dropped; when none is left the whole window is the one area.
std::vector<ShowArea> LayOutShowAreas(const ShowArea& rcWindow, const std::vector<ShowArea>& monitors);

// Where a picture of that size lands in each area, in the areas' order, fitted or filled
// (ShowFit; with a backdrop, FIT_BLUR, its copy fills the area as a filled one does):
// computed once for a layout, then both what its copies are scaled to and where they are drawn.
std::vector<ShowGeometry> FitPicture(const std::vector<ShowArea>& areas, int nPictureWidth, int nPictureHeight,
                                     int nFit);

// The sizes these fits draw the picture at, each once, in their order; a fit too small to show
// any of it needs none.
std::vector<ShowSize> ScaledPictureSizes(const std::vector<ShowGeometry>& fits);
