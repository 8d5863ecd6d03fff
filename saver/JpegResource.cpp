#include "JpegResource.h"

#include "ComPtr.h"
#include "ResourceBytes.h"

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

// The picture object deletes its bitmap when it goes, so the caller gets a copy of it.
HBITMAP CopyPictureBitmap(IPicture* pPicture)
{
    SHORT nType = PICTYPE_NONE;
    OLE_HANDLE hHandle = 0;
    if (FAILED(pPicture->get_Type(&nType)) || nType != PICTYPE_BITMAP || FAILED(pPicture->get_Handle(&hHandle)) ||
        hHandle == 0)
        return nullptr;
    // A 32-bit OLE handle widens to a GDI handle by sign extension, as the platform does.
    static_assert(sizeof(OLE_HANDLE) == 4 && sizeof(HBITMAP) >= 4, "OLE handles are 32 bits on both widths");
    HBITMAP hBitmap = reinterpret_cast<HBITMAP>(static_cast<INT_PTR>(static_cast<LONG>(hHandle)));
    return static_cast<HBITMAP>(::CopyImage(hBitmap, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
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
