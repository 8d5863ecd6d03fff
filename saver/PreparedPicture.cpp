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

}  // namespace

const CBitmap* PreparedPicture::Find(const ShowSize& size) const
{
    for (const ScaledPicture& scaled : m_scaled)
        if (scaled.m_size == size)
            return scaled.m_bmp.GetSafeHandle() != nullptr ? &scaled.m_bmp : nullptr;
    return nullptr;
}

PreparedPicture PreparePicture(int nPicture, const std::vector<ShowArea>& areas, PictureDecoder pfnDecode)
{
    PreparedPicture prepared;
    prepared.m_nPicture = nPicture;
    CBitmap bmpPicture;
    bmpPicture.Attach(pfnDecode(nullptr, static_cast<UINT>(IDR_PICTURE1 + nPicture)));
    const SIZE sizePicture = bmpPicture.GetSize();
    if (sizePicture.cx <= 0 || sizePicture.cy <= 0)
        return prepared;
    prepared.m_sizePicture = sizePicture;
    const ShowSize sizeOwn{sizePicture.cx, sizePicture.cy};
    const std::vector<ShowSize> sizes = ScaledPictureSizes(areas, sizePicture.cx, sizePicture.cy);
    for (const ShowSize& size : sizes)
        if (!(size == sizeOwn))
            prepared.m_scaled.push_back(ScaledPicture{size, ScalePicture(bmpPicture, size)});
    // Drawn at its own size, the decoded picture itself is the copy; otherwise it goes now.
    if (std::find(sizes.begin(), sizes.end(), sizeOwn) != sizes.end())
        prepared.m_scaled.push_back(ScaledPicture{sizeOwn, std::move(bmpPicture)});
    return prepared;
}
