#include "CaptionLayout.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr int kBaseDpi = 96;
constexpr int kMarginAtBase = 16;

int Scale(int n, int nDpi)
{
    return static_cast<int>(int64_t{n} * nDpi / kBaseDpi);
}

}  // namespace

CaptionPlace PlaceCaption(const ShowSize& picture, const ShowSize& text, int nDpi)
{
    nDpi = std::max(nDpi, kBaseDpi);
    const int nMargin = Scale(kMarginAtBase, nDpi);
    const int nShadow = std::max(1, Scale(1, nDpi));
    const int nRoom = picture.m_nWidth - 2 * nMargin;
    if (text.m_nWidth <= 0 || text.m_nHeight <= 0 || nRoom <= 0 ||
        text.m_nHeight + nShadow + 2 * nMargin > picture.m_nHeight)
        return CaptionPlace{0, 0, 0, 0, nShadow};
    return CaptionPlace{nMargin, picture.m_nHeight - nMargin - nShadow - text.m_nHeight, std::min(text.m_nWidth, nRoom),
                        text.m_nHeight, nShadow};
}

int ScaleCaptionFontHeight(int nHeight, int nSystemDpi, int nMonitorDpi)
{
    if (nSystemDpi <= 0 || nMonitorDpi <= 0)
        return nHeight;
    // Rounded away from 0, as the platform's own scaling rounds a height.
    const int64_t nScaled = int64_t{nHeight} * nMonitorDpi;
    const int64_t nHalf = nSystemDpi / 2;
    return static_cast<int>(nScaled >= 0 ? (nScaled + nHalf) / nSystemDpi : (nScaled - nHalf) / nSystemDpi);
}
