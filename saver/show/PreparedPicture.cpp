#include "PreparedPicture.h"

#include "Backdrop.h"
#include "PixelScale.h"
#include "SaverResource.h"
#include "ShowOptions.h"

#include <algorithm>

namespace {

// The pixels of a top-down DIB section of 24 or 32 bits, once every drawing queued for it is
// done; none (null bits) for any other bitmap. (The platform does not say which way up a DIB
// section is: every one the show makes or is given is top-down.)
PixelRows DibPixels(const CBitmap& bitmap)
{
    DIBSECTION dib{};
    if (bitmap.GetSafeHandle() == nullptr || ::GetObjectA(bitmap.GetSafeHandle(), sizeof dib, &dib) != sizeof dib ||
        dib.dsBm.bmBits == nullptr || (dib.dsBm.bmBitsPixel != 24 && dib.dsBm.bmBitsPixel != 32))
        return PixelRows{};
    ::GdiFlush();
    // Rows padded to 4 bytes, as every DIB's are.
    const ptrdiff_t nStride = (static_cast<ptrdiff_t>(dib.dsBm.bmWidth) * dib.dsBm.bmBitsPixel + 31) / 32 * 4;
    return PixelRows{static_cast<unsigned char*>(dib.dsBm.bmBits), dib.dsBm.bmWidth, dib.dsBm.bmHeight, nStride,
                     dib.dsBm.bmBitsPixel / 8};
}

// The part of the picture a fit shows, scaled to the fit's size, read in place, at 24 or 32 bits.
CBitmap ScalePart(const PixelRows& picture, const ShowGeometry& fit, int nBytesPerPixel)
{
    CBitmap bmpScaled;
    void* pBits = nullptr;
    if (picture.m_pBits == nullptr ||
        !bmpScaled.CreateDIBSection(fit.m_nWidth, fit.m_nHeight, static_cast<WORD>(nBytesPerPixel * 8), &pBits))
        return bmpScaled;
    const PixelRows part{picture.m_pBits + picture.m_nStride * fit.m_nCropTop +
                             static_cast<ptrdiff_t>(fit.m_nCropLeft) * picture.m_nBytesPerPixel,
                         fit.m_nCropWidth, fit.m_nCropHeight, picture.m_nStride, picture.m_nBytesPerPixel};
    const PixelRows to{static_cast<unsigned char*>(pBits), fit.m_nWidth, fit.m_nHeight,
                       (static_cast<ptrdiff_t>(fit.m_nWidth) * nBytesPerPixel + 3) / 4 * 4, nBytesPerPixel};
    if (!ScalePixels(part, to))
        bmpScaled.DeleteObject();
    return bmpScaled;
}

// fit=blur: the copy fills the area with the picture's backdrop (Backdrop.h), made from the part
// that fills it, and the picture fitted over it.
CBitmap ComposeOverBackdrop(const PixelRows& picture, const ShowGeometry& fill, int nBytesPerPixel)
{
    const BackdropGeometry backdrop = ComputeBackdrop(fill.m_nWidth, fill.m_nHeight);
    CBitmap bmpSmall = ScalePart(picture,
                                 ShowGeometry{backdrop.m_nSmallWidth, backdrop.m_nSmallHeight, 0, 0, fill.m_nCropLeft,
                                              fill.m_nCropTop, fill.m_nCropWidth, fill.m_nCropHeight},
                                 4);
    const PixelRows small = DibPixels(bmpSmall);
    if (small.m_pBits == nullptr || !BlurAndShade(small, backdrop.m_nRadius, backdrop.m_nShade))
        return CBitmap{};
    CBitmap bmpCopy =
        ScalePart(small, ShowGeometry{fill.m_nWidth, fill.m_nHeight, 0, 0, 0, 0, small.m_nWidth, small.m_nHeight},
                  nBytesPerPixel);
    const PixelRows copy = DibPixels(bmpCopy);
    const ShowGeometry fit = ComputeGeometry(fill.m_nWidth, fill.m_nHeight, picture.m_nWidth, picture.m_nHeight);
    const PixelRows inside{copy.m_pBits + copy.m_nStride * fit.m_nTop +
                               static_cast<ptrdiff_t>(fit.m_nLeft) * copy.m_nBytesPerPixel,
                           fit.m_nWidth, fit.m_nHeight, copy.m_nStride, copy.m_nBytesPerPixel};
    if (copy.m_pBits == nullptr || !ScalePixels(picture, inside))
        return CBitmap{};
    return bmpCopy;
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
    prepared.m_fits = FitPicture(areas, 0, 0, FIT_FIT);
    return prepared;
}

PreparedPicture PreparePicture(int nPicture, const std::vector<ShowArea>& areas, int nFit, int nBytesPerPixel,
                               PictureDecoder pfnDecode, const PictureCaption& caption)
{
    CBitmap bmpPicture;
    bmpPicture.Attach(pfnDecode(nullptr, static_cast<UINT>(IDR_PICTURE1 + nPicture), PictureNeed{areas, nFit}));
    const PixelRows pixels = DibPixels(bmpPicture);
    if (pixels.m_pBits == nullptr || pixels.m_nWidth <= 0 || pixels.m_nHeight <= 0)
        return BlackPicture(nPicture, areas);
    PreparedPicture prepared;
    prepared.m_nPicture = nPicture;
    prepared.m_sizePicture = SIZE{pixels.m_nWidth, pixels.m_nHeight};
    prepared.m_fits = FitPicture(areas, pixels.m_nWidth, pixels.m_nHeight, nFit);
    // Each size once, from the first fit that draws at it; the decoded picture goes on return.
    for (const ShowSize& size : ScaledPictureSizes(prepared.m_fits)) {
        const ShowGeometry& fit =
            *std::find_if(prepared.m_fits.begin(), prepared.m_fits.end(), [&](const ShowGeometry& g) {
                return ShowSize{g.m_nWidth, g.m_nHeight} == size;
            });
        CBitmap bmpScaled = nFit == FIT_BLUR ? ComposeOverBackdrop(pixels, fit, nBytesPerPixel)
                                             : ScalePart(pixels, fit, nBytesPerPixel);
        DrawCaption(bmpScaled, caption);
        prepared.m_scaled.push_back(ScaledPicture{size, std::move(bmpScaled)});
    }
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
    const PixelRows pixels = DibPixels(clean->m_bmp);
    CBitmap bmpCopy =
        ScalePart(pixels, ShowGeometry{size.m_nWidth, size.m_nHeight, 0, 0, 0, 0, size.m_nWidth, size.m_nHeight},
                  pixels.m_nBytesPerPixel);
    if (bmpCopy.GetSafeHandle() != nullptr)
        m_scaled.push_back(ScaledPicture{size, std::move(bmpCopy), nTileLeft, nTileTop, {}});
}

bool PreparedPicture::HasWideCopies() const
{
    return std::any_of(m_scaled.begin(), m_scaled.end(),
                       [](const ScaledPicture& scaled) { return DibPixels(scaled.m_bmp).m_nBytesPerPixel == 4; });
}

void PreparedPicture::Widen(PreparedPicture& spent)
{
    for (ScaledPicture& scaled : m_scaled) {
        const PixelRows narrow = DibPixels(scaled.m_bmp);
        if (narrow.m_pBits == nullptr || narrow.m_nBytesPerPixel != 3)
            continue;
        for (ScaledPicture& old : spent.m_scaled) {
            const PixelRows wide = DibPixels(old.m_bmp);
            if (old.m_size == scaled.m_size && wide.m_nBytesPerPixel == 4 && ScalePixels(narrow, wide)) {
                scaled.m_bmp = std::move(old.m_bmp);
                break;
            }
        }
    }
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
            const PixelRows pixels = DibPixels(scaled.m_bmp);
            if (pixels.m_pBits == nullptr)
                return nullptr;
            BlackenPatternCells(pixels.m_pBits, pixels.m_nStride, pixels.m_nBytesPerPixel, size.m_nWidth,
                                size.m_nHeight, nLeft, nTop, wNew);
            for (size_t i = 0; i < wNew.size(); ++i)
                scaled.m_wDissolved[i] = static_cast<uint16_t>(scaled.m_wDissolved[i] | wNew[i]);
        }
        return &scaled.m_bmp;
    }
    return nullptr;
}
