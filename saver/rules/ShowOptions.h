#pragma once

#include <cstddef>
#include <string>

enum ShowOrder
{
    ORDER_LISTED = 0,
    ORDER_SHUFFLE = 1,
};

enum ShowFit
{
    FIT_FIT = 0,   // the whole picture, black bands where the shapes differ
    FIT_FILL = 1,  // the whole area, the picture cropped about its centre
    FIT_BLUR = 2,  // as FIT_FIT, the bands a blurred, darkened copy of the picture filling the area
};

// How a built saver shows its pictures, fixed when it is built.
struct ShowOptions
{
    int m_nHoldSeconds = 10;
    int m_nOrder = ORDER_LISTED;
    int m_nFit = FIT_FIT;
};

inline bool operator==(const ShowOptions& a, const ShowOptions& b)
{
    return a.m_nHoldSeconds == b.m_nHoldSeconds && a.m_nOrder == b.m_nOrder && a.m_nFit == b.m_nFit;
}

// The options text: lines "key=value" ending in LF or CR LF, empty lines ignored; keys "hold"
// (1 to 3600 seconds), "order" ("listed" or "shuffle"), "fit" ("fit", "fill" or "blur"), each at most
// once, a missing one at its default. Anything else makes the whole text count for nothing:
// then, as with no text at all (null), every option is at its default.
ShowOptions ParseShowOptions(const char* pText, size_t nSize);

// The options text that ParseShowOptions reads back as these options: every key, CR LF lines.
std::string WriteShowOptions(const ShowOptions& options);
