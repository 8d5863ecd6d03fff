#include "JpegResource.h"

#include "ComApartment.h"
#include "ComPtr.h"
#include "DecodeScale.h"
#include "Gdi.h"
#include "PixelScale.h"
#include "ResourceBytes.h"
#include "ScopedSelect.h"

#include <ole2.h>
#include <olectl.h>

#include <initguid.h>
#include <wincodec.h>

#include <algorithm>
#include <climits>
#include <new>
#include <vector>

namespace {

// The JPEG decoder's reduced-size decode, which the platform's headers here do not declare.
// clang-format off
MIDL_INTERFACE("3B16811B-6A43-4ec9-B713-3D5A0C13B940")
IWICBitmapSourceTransform : public IUnknown
{
    virtual HRESULT STDMETHODCALLTYPE CopyPixels(const WICRect* prc, UINT nWidth, UINT nHeight,
                                                 WICPixelFormatGUID* pFormat, WICBitmapTransformOptions nTransform,
                                                 UINT nStride, UINT nBufferSize, BYTE* pBuffer) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetClosestSize(UINT* pnWidth, UINT* pnHeight) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetClosestPixelFormat(WICPixelFormatGUID* pFormat) = 0;
    virtual HRESULT STDMETHODCALLTYPE DoesSupportTransform(WICBitmapTransformOptions nTransform, BOOL* pbSupported) = 0;
};
// clang-format on
const IID kIidSourceTransform = {0x3B16811B, 0x6A43, 0x4ec9, {0xB7, 0x13, 0x3D, 0x5A, 0x0C, 0x13, 0xB9, 0x40}};

// Source rows a strip of the reduction reads per divisor: a few of them, so that what is held
// beside the reduced picture stays small.
constexpr UINT kStripRows = 16;

UINT Stride24(UINT nWidth)
{
    return (nWidth * 3 + 3) & ~3u;
}

// The decoder reduces the picture itself, in its own transform, where it can do so to exactly
// that size at 24 bits.
BOOL CopyReducedByDecoder(IWICBitmapFrameDecode* pFrame, const ShowSize& size, BYTE* pBits)
{
    CComPtr<IWICBitmapSourceTransform> transform;
    UINT nWidth = static_cast<UINT>(size.m_nWidth);
    UINT nHeight = static_cast<UINT>(size.m_nHeight);
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    const UINT nStride = Stride24(nWidth);
    return SUCCEEDED(pFrame->QueryInterface(kIidSourceTransform, transform.ReceiveVoid())) &&
           SUCCEEDED(transform->GetClosestSize(&nWidth, &nHeight)) && nWidth == static_cast<UINT>(size.m_nWidth) &&
           nHeight == static_cast<UINT>(size.m_nHeight) && SUCCEEDED(transform->GetClosestPixelFormat(&format)) &&
           IsEqualGUID(format, GUID_WICPixelFormat24bppBGR) &&
           SUCCEEDED(transform->CopyPixels(nullptr, nWidth, nHeight, &format, WICBitmapTransformRotate0, nStride,
                                           nStride * nHeight, pBits));
}

// Else the picture is read a strip at a time and each strip reduced into its rows, so that no
// full-size copy of it is ever held beside the decoder's own.
BOOL CopyReducedByStrips(IWICBitmapSource* pSource, UINT nWidth, UINT nHeight, int nDivisor, const ShowSize& size,
                         BYTE* pBits)
{
    const UINT nStripRows = kStripRows * static_cast<UINT>(nDivisor);
    const UINT nStride = Stride24(nWidth);
    std::vector<BYTE> strip;
    try {
        strip.resize(static_cast<size_t>(nStride) * nStripRows);
    } catch (const std::bad_alloc&) {
        return FALSE;
    }
    const ptrdiff_t nToStride = Stride24(static_cast<UINT>(size.m_nWidth));
    for (UINT nTop = 0; nTop < nHeight; nTop += nStripRows) {
        const UINT nRows = std::min(nStripRows, nHeight - nTop);
        const WICRect rect{0, static_cast<INT>(nTop), static_cast<INT>(nWidth), static_cast<INT>(nRows)};
        const int nToTop = static_cast<int>(nTop) / nDivisor;
        const PixelRows from{strip.data(), static_cast<int>(nWidth), static_cast<int>(nRows),
                             static_cast<ptrdiff_t>(nStride), 3};
        const PixelRows to{pBits + nToStride * nToTop, size.m_nWidth,
                           std::min(size.m_nHeight - nToTop, static_cast<int>(kStripRows)), nToStride, 3};
        if (FAILED(pSource->CopyPixels(&rect, nStride, nStride * nRows, strip.data())) || !ScalePixels(from, to))
            return FALSE;
    }
    return TRUE;
}

// WIC decodes into a bitmap of ours and frees its own buffers when released; the picture object
// makes a device bitmap that Wine frees into a heap it never gives back. Where the system has no
// WIC (before XP SP3 and Vista), the picture object is the decoder.
HBITMAP DecodeWithWic(IWICImagingFactory* pFactory, const ResourceBytes& jpeg, const PictureNeed& need)
{
    CComPtr<IWICStream> stream;
    CComPtr<IWICBitmapDecoder> decoder;
    CComPtr<IWICBitmapFrameDecode> frame;
    CComPtr<IWICFormatConverter> converter;
    UINT nWidth = 0;
    UINT nHeight = 0;
    if (FAILED(pFactory->CreateStream(stream.Receive())) ||
        FAILED(stream->InitializeFromMemory(static_cast<BYTE*>(const_cast<void*>(jpeg.m_pData)), jpeg.m_nSize)) ||
        FAILED(pFactory->CreateDecoder(GUID_ContainerFormatJpeg, nullptr, decoder.Receive())) ||
        FAILED(decoder->Initialize(stream.Get(), WICDecodeMetadataCacheOnDemand)) ||
        FAILED(decoder->GetFrame(0, frame.Receive())) || FAILED(pFactory->CreateFormatConverter(converter.Receive())) ||
        FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat24bppBGR, WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom)) ||
        FAILED(converter->GetSize(&nWidth, &nHeight)) || nWidth == 0 || nHeight == 0 || nWidth > INT_MAX / 3 ||
        nHeight > INT_MAX / Stride24(nWidth))
        return nullptr;
    const int nDivisor = ChooseDecodeDivisor(static_cast<int>(nWidth), static_cast<int>(nHeight), need);
    const ShowSize size = ReducedSize(static_cast<int>(nWidth), static_cast<int>(nHeight), nDivisor);
    CBitmap bmp;
    void* pBits = nullptr;
    if (!bmp.CreateDIBSection(size.m_nWidth, size.m_nHeight, 24, &pBits))
        return nullptr;
    BYTE* const pBytes = static_cast<BYTE*>(pBits);
    const UINT nStride = Stride24(nWidth);
    const BOOL bCopied = nDivisor == 1
                             ? SUCCEEDED(converter->CopyPixels(nullptr, nStride, nStride * nHeight, pBytes))
                             : CopyReducedByDecoder(frame.Get(), size, pBytes) ||
                                   CopyReducedByStrips(converter.Get(), nWidth, nHeight, nDivisor, size, pBytes);
    return bCopied ? static_cast<HBITMAP>(bmp.Detach()) : nullptr;
}

BOOL CreateResourceStream(const ResourceBytes& jpeg, CComPtr<IStream>& stream)
{
    const LARGE_INTEGER start{};
    return SUCCEEDED(::CreateStreamOnHGlobal(nullptr, TRUE, stream.Receive())) &&
           SUCCEEDED(stream->Write(jpeg.m_pData, jpeg.m_nSize, nullptr)) &&
           SUCCEEDED(stream->Seek(start, STREAM_SEEK_SET, nullptr));
}

// The picture object deletes its bitmap when it goes, so the caller gets a copy of it, drawn
// straight at the size the show needs: a top-down 32-bit DIB section, the form the platform
// converts to least (Wine keeps a converter's buffers for good).
HBITMAP CopyPictureBitmap(IPicture* pPicture, const PictureNeed& need)
{
    SHORT nType = PICTYPE_NONE;
    OLE_HANDLE hHandle = 0;
    OLE_XSIZE_HIMETRIC nHimetricWidth = 0;
    OLE_YSIZE_HIMETRIC nHimetricHeight = 0;
    if (FAILED(pPicture->get_Type(&nType)) || nType != PICTYPE_BITMAP || FAILED(pPicture->get_Handle(&hHandle)) ||
        hHandle == 0 || FAILED(pPicture->get_Width(&nHimetricWidth)) || FAILED(pPicture->get_Height(&nHimetricHeight)))
        return nullptr;
    // A 32-bit OLE handle widens to a GDI handle by sign extension, as the platform does.
    static_assert(sizeof(OLE_HANDLE) == 4 && sizeof(HBITMAP) >= 4, "OLE handles are 32 bits on both widths");
    const HBITMAP hBitmap = reinterpret_cast<HBITMAP>(static_cast<INT_PTR>(static_cast<LONG>(hHandle)));
    BITMAP bm{};
    if (::GetObjectA(hBitmap, sizeof bm, &bm) == 0)
        return nullptr;
    const ShowSize size = ReducedSize(bm.bmWidth, bm.bmHeight, ChooseDecodeDivisor(bm.bmWidth, bm.bmHeight, need));
    CBitmap bmpCopy;
    if (!bmpCopy.CreateDIBSection(size.m_nWidth, size.m_nHeight))
        return nullptr;
    CMemoryDC dcCopy(nullptr);
    const CScopedSelect selectCopy(dcCopy, bmpCopy);
    if (!selectCopy.IsSelected())
        return nullptr;
    // Averaged where the system can (not the 9x family, which keeps its own stretch).
    ::SetStretchBltMode(dcCopy.GetSafeHdc(), HALFTONE);
    dcCopy.SetBrushOrg(0, 0);
    // The picture's own coordinates run bottom-up.
    if (FAILED(pPicture->Render(dcCopy.GetSafeHdc(), 0, 0, size.m_nWidth, size.m_nHeight, 0, nHimetricHeight,
                                nHimetricWidth, -nHimetricHeight, nullptr)))
        return nullptr;
    ::GdiFlush();
    return static_cast<HBITMAP>(bmpCopy.Detach());
}

HBITMAP DecodeWithPicture(const ResourceBytes& jpeg, const PictureNeed& need)
{
    CComPtr<IPicture> picture;
    {
        CComPtr<IStream> stream;
        if (!CreateResourceStream(jpeg, stream) ||
            FAILED(::OleLoadPicture(stream.Get(), 0, FALSE, IID_IPicture, picture.ReceiveVoid())) || !picture)
            return nullptr;
    }
    return CopyPictureBitmap(picture.Get(), need);
}

}  // namespace

HBITMAP LoadJpegResource(HMODULE hModule, UINT nId, const PictureNeed& need)
{
    const ResourceBytes jpeg = FindResourceBytes(hModule, MAKEINTRESOURCEA(nId), "JPEG");
    // Only a JPEG: the picture object would take a bitmap, an icon or a metafile as well.
    const auto* pBytes = static_cast<const unsigned char*>(jpeg.m_pData);
    if (pBytes == nullptr || jpeg.m_nSize < 2 || pBytes[0] != 0xFF || pBytes[1] != 0xD8)
        return nullptr;
    const CComApartment apartment;
    CComPtr<IWICImagingFactory> factory;
    if (SUCCEEDED(::CoCreateInstance(CLSID_WICImagingFactory1, nullptr, CLSCTX_INPROC_SERVER,
                                     __uuidof(IWICImagingFactory), factory.ReceiveVoid())))
        return DecodeWithWic(factory.Get(), jpeg, need);
    return DecodeWithPicture(jpeg, need);
}
