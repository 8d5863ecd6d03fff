#pragma once

// Where the picture lands in the client area, and which part of it is drawn there. Integer
// arithmetic, each division truncating.
struct ShowGeometry
{
    int m_nWidth;   // dw
    int m_nHeight;  // dh
    int m_nLeft;    // x0
    int m_nTop;     // y0
    // The part of the picture scaled to dw x dh: all of it when fitted.
    int m_nCropLeft;
    int m_nCropTop;
    int m_nCropWidth;
    int m_nCropHeight;
};

// Fitted: scaled to the largest size that keeps its proportions, centred, the whole picture.
// Picture sizes below 1 count as 1 (a missing picture is a 1 x 1 square).
ShowGeometry ComputeGeometry(int nClientWidth, int nClientHeight, int nPictureWidth, int nPictureHeight);

// Filled: the whole client area, from the largest part of the picture in the area's
// proportions, centred in it (at least one pixel each way). Sizes below 1 count as 1.
ShowGeometry ComputeFill(int nClientWidth, int nClientHeight, int nPictureWidth, int nPictureHeight);

// Left edge of the picture at slide step nStep (0 just beyond the right edge, 10 at x0).
int ComputeSlideLeft(const ShowGeometry& geometry, int nClientWidth, int nStep);
