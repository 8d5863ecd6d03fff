#include "JpegResource.h"

#include "ComApartment.h"
#include "ComPtr.h"
#include "Gdi.h"
#include "ResourceBytes.h"
#include "ScopedSelect.h"

#include <ole2.h>
#include <olectl.h>

#include <initguid.h>
#include <wincodec.h>

#include <climits>

namespace {

// WIC decodes into a bitmap of ours and frees its own buffers when released; the picture object
// makes a device bitmap that Wine frees into a heap it never gives back. Where the system has no
// WIC (before XP SP3 and Vista), the picture object is the decoder.
HBITMAP DecodeWithWic(IWICImagingFactory* pFactory, const ResourceBytes& jpeg)
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
        FAILED(converter->GetSize(&nWidth, &nHeight)) || nWidth == 0 || nHeight == 0 || nWidth > INT_MAX / 3)
        return nullptr;
    const UINT nStride = (nWidth * 3 + 3) & ~3u;
    CBitmap bmp;
    void* pBits = nullptr;
    if (nHeight > UINT_MAX / nStride ||
        !bmp.CreateDIBSection(static_cast<int>(nWidth), static_cast<int>(nHeight), 24, &pBits) ||
        FAILED(converter->CopyPixels(nullptr, nStride, nStride * nHeight, static_cast<BYTE*>(pBits))))
        return nullptr;
    return static_cast<HBITMAP>(bmp.Detach());
}

BOOL CreateResourceStream(const ResourceBytes& jpeg, CComPtr<IStream>& stream)
{
    const LARGE_INTEGER start{};
    return SUCCEEDED(::CreateStreamOnHGlobal(nullptr, TRUE, stream.Receive())) &&
           SUCCEEDED(stream->Write(jpeg.m_pData, jpeg.m_nSize, nullptr)) &&
           SUCCEEDED(stream->Seek(start, STREAM_SEEK_SET, nullptr));
}

// The picture object deletes its bitmap when it goes, so the caller gets a copy of it: a
// top-down 32-bit DIB section, the form the platform converts to least (Wine keeps a converter's
// buffers for good).
HBITMAP CopyPictureBitmap(IPicture* pPicture)
{
    SHORT nType = PICTYPE_NONE;
    OLE_HANDLE hHandle = 0;
    if (FAILED(pPicture->get_Type(&nType)) || nType != PICTYPE_BITMAP || FAILED(pPicture->get_Handle(&hHandle)) ||
        hHandle == 0)
        return nullptr;
    // A 32-bit OLE handle widens to a GDI handle by sign extension, as the platform does.
    static_assert(sizeof(OLE_HANDLE) == 4 && sizeof(HBITMAP) >= 4, "OLE handles are 32 bits on both widths");
    const HBITMAP hBitmap = reinterpret_cast<HBITMAP>(static_cast<INT_PTR>(static_cast<LONG>(hHandle)));
    BITMAP bm{};
    CBitmap bmpCopy;
    if (::GetObjectA(hBitmap, sizeof bm, &bm) == 0 || !bmpCopy.CreateDIBSection(bm.bmWidth, bm.bmHeight))
        return nullptr;
    CMemoryDC dcSource(nullptr);
    CMemoryDC dcCopy(nullptr);
    {
        const CScopedSelect selectSource(dcSource, hBitmap);
        const CScopedSelect selectCopy(dcCopy, bmpCopy);
        if (!selectSource.IsSelected() || !selectCopy.IsSelected() ||
            !dcCopy.BitBlt(0, 0, bm.bmWidth, bm.bmHeight, dcSource, 0, 0, SRCCOPY))
            return nullptr;
    }
    return static_cast<HBITMAP>(bmpCopy.Detach());
}

HBITMAP DecodeWithPicture(const ResourceBytes& jpeg)
{
    CComPtr<IPicture> picture;
    {
        CComPtr<IStream> stream;
        if (!CreateResourceStream(jpeg, stream) ||
            FAILED(::OleLoadPicture(stream.Get(), 0, FALSE, IID_IPicture, picture.ReceiveVoid())) || !picture)
            return nullptr;
    }
    return CopyPictureBitmap(picture.Get());
}

}  // namespace

HBITMAP LoadJpegResource(HMODULE hModule, UINT nId)
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
        return DecodeWithWic(factory.Get(), jpeg);
    return DecodeWithPicture(jpeg);
}
