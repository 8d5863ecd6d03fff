#pragma once

#include <string>

// The colours of a photo that says what they are without an ICC profile, which libvips does not
// read: a PNG's gAMA and cHRM chunks, a HEIF image's nclx colour description.

// An RGB space as an ICC matrix profile holds it: chromaticities (x, y) and one tone curve for
// the three channels, decoding, as ICC parametric curve 4: Y = (aX + b)^g for X >= d, else cX.
struct RgbSpace
{
    double m_xy[8];     // x, y of white, red, green, blue
    double m_curve[5];  // g, a, b, c, d
    bool m_bGrey;       // a grey image: its white and curve alone count
};

// True with the space when a PNG (its bytes up to the image data, at least) describes its
// colours by gAMA or cHRM alone and they are not sRGB's; false when an iCCP or sRGB chunk says
// more, or nothing (sRGB) is said.
bool ReadPngSpace(const std::string& strBytes, RgbSpace& space);

// True with the space when a HEIF file's primary image is described by an nclx colour box, none
// with an ICC profile, whose primaries or transfer are known and not sRGB's.
bool ReadHeifSpace(const std::string& strBytes, RgbSpace& space);
