#include "JpegResource.h"

#include "ResourceBytes.h"

#include <ole2.h>
#include <olectl.h>

namespace {

// Releases a COM object when it goes out of scope.
template <class T>
class CReleaser
{
public:
    explicit CReleaser(T* p) : m_p(p) {}
    ~CReleaser()
    {
        if (m_p != nullptr)
            m_p->Release();
    }
    CReleaser(const CReleaser&) = delete;
    CReleaser& operator=(const CReleaser&) = delete;

private:
    T* m_p;
};

IStream* CreateResourceStream(HMODULE hModule, UINT nId)
{
    const ResourceBytes jpeg = FindResourceBytes(hModule, MAKEINTRESOURCEA(nId), "JPEG");
    if (jpeg.m_pData == nullptr || jpeg.m_nSize == 0)
        return nullptr;

    IStream* pStream = nullptr;
    if (FAILED(::CreateStreamOnHGlobal(nullptr, TRUE, &pStream)))
        return nullptr;
    const LARGE_INTEGER start{};
    if (FAILED(pStream->Write(jpeg.m_pData, jpeg.m_nSize, nullptr)) ||
        FAILED(pStream->Seek(start, STREAM_SEEK_SET, nullptr))) {
        pStream->Release();
        return nullptr;
    }
    return pStream;
}

IPicture* DecodeStream(IStream* pStream)
{
    IPicture* pPicture = nullptr;
    if (FAILED(::OleLoadPicture(pStream, 0, FALSE, IID_IPicture, reinterpret_cast<void**>(&pPicture))))
        return nullptr;
    return pPicture;
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
    IStream* pStream = CreateResourceStream(hModule, nId);
    if (pStream == nullptr)
        return nullptr;
    IPicture* pPicture = DecodeStream(pStream);
    pStream->Release();
    if (pPicture == nullptr)
        return nullptr;
    CReleaser<IPicture> releasePicture(pPicture);
    return CopyPictureBitmap(pPicture);
}
