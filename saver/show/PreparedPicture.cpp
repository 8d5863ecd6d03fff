#include "PreparedPicture.h"

#include "SaverResource.h"

#include <algorithm>

namespace {

CBitmap ScalePicture(const CBitmap& bmpPicture, const ShowSize& size)
{
    CBitmap bmpScaled;
    bmpScaled.CreateScaledCopy(bmpPicture, size.m_nWidth, size.m_nHeight);
    return bmpScaled;
}

bool IsClean(const ScaledPicture& scaled)
{
    return std::all_of(scaled.m_wDissolved.begin(), scaled.m_wDissolved.end(), [](uint16_t w) { return w == 0; });
}

}  // namespace

const CBitmap* PreparedPicture::Find(const ShowSize& size) const
{
    for (const ScaledPicture& scaled : m_scaled)
        if (scaled.m_size == size)
            return scaled.m_bmp.GetSafeHandle() != nullptr ? &scaled.m_bmp : nullptr;
    return nullptr;
}

PreparedPicture BlackPicture(int nPicture, const std::vector<ShowArea>& areas)
{
    PreparedPicture prepared;
    prepared.m_nPicture = nPicture;
    prepared.m_fits = FitPicture(areas, 0, 0);
    return prepared;
}

PreparedPicture PreparePicture(int nPicture, const std::vector<ShowArea>& areas, PictureDecoder pfnDecode)
{
    CBitmap bmpPicture;
    bmpPicture.Attach(pfnDecode(nullptr, static_cast<UINT>(IDR_PICTURE1 + nPicture)));
    const SIZE sizePicture = bmpPicture.GetSize();
    if (sizePicture.cx <= 0 || sizePicture.cy <= 0)
        return BlackPicture(nPicture, areas);
    PreparedPicture prepared;
    prepared.m_nPicture = nPicture;
    prepared.m_sizePicture = sizePicture;
    prepared.m_fits = FitPicture(areas, sizePicture.cx, sizePicture.cy);
    const ShowSize sizeOwn{sizePicture.cx, sizePicture.cy};
    const std::vector<ShowSize> sizes = ScaledPictureSizes(prepared.m_fits);
    for (const ShowSize& size : sizes)
        if (!(size == sizeOwn))
            prepared.m_scaled.push_back(ScaledPicture{size, ScalePicture(bmpPicture, size)});
    // Drawn at its own size, the decoded picture itself is the copy; otherwise it goes now.
    if (std::find(sizes.begin(), sizes.end(), sizeOwn) != sizes.end())
        prepared.m_scaled.push_back(ScaledPicture{sizeOwn, std::move(bmpPicture)});
    return prepared;
}

void PreparedPicture::ClaimDissolveCopy(const ShowSize& size, int nLeft, int nTop)
{
    const auto find = [&](auto pred) {
        return std::find_if(m_scaled.begin(), m_scaled.end(), [&](const ScaledPicture& scaled) {
            return scaled.m_size == size && scaled.m_bmp.GetSafeHandle() != nullptr && pred(scaled);
        });
    };
    const int nTileLeft = nLeft & 7;
    const int nTileTop = nTop & 7;
    if (find([&](const ScaledPicture& s) { return s.m_nTileLeft == nTileLeft && s.m_nTileTop == nTileTop; }) !=
        m_scaled.end())
        return;
    const auto unclaimed = find([](const ScaledPicture& s) { return s.m_nTileLeft < 0; });
    if (unclaimed != m_scaled.end()) {
        unclaimed->m_nTileLeft = nTileLeft;
        unclaimed->m_nTileTop = nTileTop;
        return;
    }
    const auto clean = find(IsClean);
    if (clean == m_scaled.end())
        return;
    // Scaled to its own size, the copy is the same pixels.
    CBitmap bmpCopy = ScalePicture(clean->m_bmp, size);
    if (bmpCopy.GetSafeHandle() != nullptr)
        m_scaled.push_back(ScaledPicture{size, std::move(bmpCopy), nTileLeft, nTileTop, {}});
}

const CBitmap* PreparedPicture::Dissolve(const ShowSize& size, int nLeft, int nTop, const PatternRows& wPattern)
{
    for (ScaledPicture& scaled : m_scaled) {
        if (!(scaled.m_size == size) || scaled.m_nTileLeft != (nLeft & 7) || scaled.m_nTileTop != (nTop & 7) ||
            scaled.m_bmp.GetSafeHandle() == nullptr)
            continue;
        PatternRows wNew{};
        for (size_t i = 0; i < wNew.size(); ++i)
            wNew[i] = static_cast<uint16_t>(wPattern[i] & ~scaled.m_wDissolved[i] & kFullPatternRow);
        if (std::any_of(wNew.begin(), wNew.end(), [](uint16_t w) { return w != 0; })) {
            uint32_t* pPixels = scaled.m_bmp.GetDibPixels();
            if (pPixels == nullptr)
                return nullptr;
            BlackenPatternCells(pPixels, size.m_nWidth, size.m_nHeight, nLeft, nTop, wNew);
            for (size_t i = 0; i < wNew.size(); ++i)
                scaled.m_wDissolved[i] = static_cast<uint16_t>(scaled.m_wDissolved[i] | wNew[i]);
        }
        return &scaled.m_bmp;
    }
    return nullptr;
}
