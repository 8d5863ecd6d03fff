#pragma once

#include "PixelScale.h"
#include "ShowGeometry.h"

// The backdrop of a picture shown with fit=blur: the part of it that fills the area (ComputeFill)
// reduced to a small size, box-blurred and darkened there, then scaled up to the whole area, so
// that the bands beside the fitted picture show its own colours, soft.
struct BackdropGeometry
{
    int m_nSmallWidth;
    int m_nSmallHeight;
    int m_nRadius;  // of the box, in small pixels: (2r + 1) x (2r + 1)
    int m_nShade;   // what is left of each channel, in 256ths
};

BackdropGeometry ComputeBackdrop(int nAreaWidth, int nAreaHeight);

// Blurs the pixels in place with a box of the radius (the edge pixels held beyond the edges),
// then darkens them to nShade / 256. False, with nothing changed, when memory runs out.
bool BlurAndShade(const PixelRows& pixels, int nRadius, int nShade);
