#pragma once

// Where the picture lands in the client area: scaled to the largest size that keeps its
// proportions, centred. Integer arithmetic, each division truncating.
struct ShowGeometry
{
    int m_nWidth;   // dw
    int m_nHeight;  // dh
    int m_nLeft;    // x0
    int m_nTop;     // y0
};

// Picture sizes below 1 count as 1 (a missing picture is a 1 x 1 square).
ShowGeometry ComputeGeometry(int nClientWidth, int nClientHeight, int nPictureWidth, int nPictureHeight);

// Left edge of the picture at slide step nStep (0 just beyond the right edge, 10 at x0).
int ComputeSlideLeft(const ShowGeometry& geometry, int nClientWidth, int nStep);
