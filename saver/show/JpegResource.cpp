#include "JpegResource.h"

#include "ComPtr.h"
#include "Gdi.h"
#include "ResourceBytes.h"
#include "ScopedSelect.h"

#include <ole2.h>
#include <olectl.h>

namespace {

BOOL CreateResourceStream(HMODULE hModule, UINT nId, CComPtr<IStream>& stream)
{
    const ResourceBytes jpeg = FindResourceBytes(hModule, MAKEINTRESOURCEA(nId), "JPEG");
    if (jpeg.m_pData == nullptr || jpeg.m_nSize == 0)
        return FALSE;
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

}  // namespace

HBITMAP LoadJpegResource(HMODULE hModule, UINT nId)
{
    CComPtr<IPicture> picture;
    {
        CComPtr<IStream> stream;
        if (!CreateResourceStream(hModule, nId, stream) ||
            FAILED(::OleLoadPicture(stream.Get(), 0, FALSE, IID_IPicture, picture.ReceiveVoid())) || !picture)
            return nullptr;
    }
    return CopyPictureBitmap(picture.Get());
}
