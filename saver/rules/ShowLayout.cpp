#include "ShowLayout.h"

#include "ShowOptions.h"

#include <algorithm>
#include <cstdint>

namespace {

// Edges in 64 bits: a rectangle near the ends of the int range must not wrap.
ShowArea Intersect(const ShowArea& a, const ShowArea& b)
{
    const int64_t nLeft = std::max<int64_t>(a.m_nLeft, b.m_nLeft);
    const int64_t nTop = std::max<int64_t>(a.m_nTop, b.m_nTop);
    const int64_t nRight = std::min<int64_t>(int64_t{a.m_nLeft} + a.m_nWidth, int64_t{b.m_nLeft} + b.m_nWidth);
    const int64_t nBottom = std::min<int64_t>(int64_t{a.m_nTop} + a.m_nHeight, int64_t{b.m_nTop} + b.m_nHeight);
    if (nRight <= nLeft || nBottom <= nTop)
        return ShowArea{0, 0, 0, 0};
    return ShowArea{static_cast<int>(nLeft), static_cast<int>(nTop), static_cast<int>(nRight - nLeft),
                    static_cast<int>(nBottom - nTop)};
}

template <class T>
void AddOnce(std::vector<T>& items, const T& item)
{
    if (std::find(items.begin(), items.end(), item) == items.end())
        items.push_back(item);
}

}  // namespace

std::vector<ShowArea> LayOutShowAreas(const ShowArea& rcWindow, const std::vector<ShowArea>& monitors)
{
    std::vector<ShowArea> areas;
    for (const ShowArea& monitor : monitors) {
        const ShowArea inside = Intersect(rcWindow, monitor);
        if (inside.m_nWidth > 0)
            AddOnce(areas, ShowArea{static_cast<int>(int64_t{inside.m_nLeft} - rcWindow.m_nLeft),
                                    static_cast<int>(int64_t{inside.m_nTop} - rcWindow.m_nTop), inside.m_nWidth,
                                    inside.m_nHeight});
    }
    if (areas.empty())
        areas.push_back(ShowArea{0, 0, std::max(rcWindow.m_nWidth, 0), std::max(rcWindow.m_nHeight, 0)});
    return areas;
}

std::vector<ShowGeometry> FitPicture(const std::vector<ShowArea>& areas, int nPictureWidth, int nPictureHeight,
                                     int nFit)
{
    // With a backdrop the copy fills the area, the picture fitted in it.
    const auto compute = nFit == FIT_FIT ? ComputeGeometry : ComputeFill;
    std::vector<ShowGeometry> fits;
    for (const ShowArea& area : areas)
        fits.push_back(compute(area.m_nWidth, area.m_nHeight, nPictureWidth, nPictureHeight));
    return fits;
}

std::vector<ShowSize> ScaledPictureSizes(const std::vector<ShowGeometry>& fits)
{
    std::vector<ShowSize> sizes;
    for (const ShowGeometry& fit : fits)
        if (fit.m_nWidth > 0 && fit.m_nHeight > 0)
            AddOnce(sizes, ShowSize{fit.m_nWidth, fit.m_nHeight});
    return sizes;
}
