#include "Gdi.h"

#include "PixelScale.h"

#include <memory>
#include <new>

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

void CGdiObject::Attach(HGDIOBJ hObject)
{
    if (hObject != m_hObject)
        DeleteObject();
    m_hObject = hObject;
}

HGDIOBJ CGdiObject::Detach()
{
    const HGDIOBJ hObject = m_hObject;
    m_hObject = nullptr;
    return hObject;
}

BOOL CGdiObject::DeleteObject()
{
    if (m_hObject == nullptr)
        return FALSE;
    const BOOL bDeleted = ::DeleteObject(m_hObject);
    m_hObject = nullptr;
    return bDeleted;
}

BOOL CBitmap::CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitsPerPixel, const void* pBits)
{
    Attach(::CreateBitmap(nWidth, nHeight, nPlanes, nBitsPerPixel, pBits));
    return m_hObject != nullptr;
}

BOOL CBitmap::CreateDIBSection(int nWidth, int nHeight, WORD nBitCount, void** ppBits)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = nWidth;
    info.bmiHeader.biHeight = -nHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = nBitCount;
    info.bmiHeader.biCompression = BI_RGB;
    void* pBits = nullptr;
    Attach(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, ppBits ? ppBits : &pBits, nullptr, 0));
    return m_hObject != nullptr;
}

BOOL CBitmap::CreateScaledCopy(const CBitmap& source, int nWidth, int nHeight, WORD nBitCount)
{
    DeleteObject();
    const SIZE size = source.GetSize();
    if (size.cx <= 0 || size.cy <= 0 || (nBitCount != 24 && nBitCount != 32))
        return FALSE;
    // The source read as 32-bit rows bottom-up, the order every Windows gives GetDIBits.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = size.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const ptrdiff_t nSourceStride = static_cast<ptrdiff_t>(size.cx) * 4;
    const std::unique_ptr<unsigned char[]> pSource(new (std::nothrow) unsigned char[nSourceStride * size.cy]);
    const CMemoryDC dc(nullptr);
    if (!pSource || !dc.GetSafeHdc() ||
        ::GetDIBits(dc, source, 0, size.cy, pSource.get(), &info, DIB_RGB_COLORS) != size.cy)
        return FALSE;
    void* pBits = nullptr;
    if (!CreateDIBSection(nWidth, nHeight, nBitCount, &pBits))
        return FALSE;
    const PixelRows from{pSource.get() + nSourceStride * (size.cy - 1), size.cx, size.cy, -nSourceStride, 4};
    const ptrdiff_t nStride = ((static_cast<ptrdiff_t>(nWidth) * nBitCount + 31) / 32) * 4;
    const PixelRows to{static_cast<unsigned char*>(pBits), nWidth, nHeight, nStride, nBitCount / 8};
    if (!ScalePixels(from, to))
        DeleteObject();
    return m_hObject != nullptr;
}

SIZE CBitmap::GetSize() const
{
    BITMAP bm{};
    if (m_hObject == nullptr || ::GetObjectA(m_hObject, sizeof bm, &bm) == 0)
        return SIZE{0, 0};
    return SIZE{bm.bmWidth, bm.bmHeight};
}

uint32_t* CBitmap::GetDibPixels() const
{
    DIBSECTION dib{};
    if (m_hObject == nullptr || ::GetObjectA(m_hObject, sizeof dib, &dib) != sizeof dib || dib.dsBm.bmBits == nullptr ||
        dib.dsBm.bmBitsPixel != 32)
        return nullptr;
    ::GdiFlush();
    return static_cast<uint32_t*>(dib.dsBm.bmBits);
}

BOOL CBrush::CreatePatternBrush(const CBitmap& bitmap)
{
    Attach(::CreatePatternBrush(bitmap));
    return m_hObject != nullptr;
}

int CDC::SaveDC()
{
    return ::SaveDC(m_hDC);
}

BOOL CDC::RestoreDC(int nSavedDC)
{
    return ::RestoreDC(m_hDC, nSavedDC);
}

int CDC::SetROP2(int nDrawMode)
{
    return ::SetROP2(m_hDC, nDrawMode);
}

COLORREF CDC::SetBkColor(COLORREF color)
{
    return ::SetBkColor(m_hDC, color);
}

COLORREF CDC::SetTextColor(COLORREF color)
{
    return ::SetTextColor(m_hDC, color);
}

BOOL CDC::SetViewportOrg(int x, int y)
{
    return ::SetViewportOrgEx(m_hDC, x, y, nullptr);
}

int CDC::IntersectClipRect(int nLeft, int nTop, int nRight, int nBottom)
{
    return ::IntersectClipRect(m_hDC, nLeft, nTop, nRight, nBottom);
}

int CDC::ExcludeClipRect(int nLeft, int nTop, int nRight, int nBottom)
{
    return ::ExcludeClipRect(m_hDC, nLeft, nTop, nRight, nBottom);
}

BOOL CDC::SetBrushOrg(int x, int y)
{
    return ::SetBrushOrgEx(m_hDC, x, y, nullptr);
}

void CDC::FillSolidRect(int x, int y, int nWidth, int nHeight, COLORREF color)
{
    if (nWidth <= 0 || nHeight <= 0)
        return;
    const RECT rect{x, y, x + nWidth, y + nHeight};
    // A pattern brush draws its set bits in the background colour: leave no black behind.
    const COLORREF oldColor = ::SetBkColor(m_hDC, color);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, oldColor);
}

BOOL CDC::Rectangle(int nLeft, int nTop, int nRight, int nBottom)
{
    return ::Rectangle(m_hDC, nLeft, nTop, nRight, nBottom);
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, HDC hSrcDC, int xSrc, int ySrc, DWORD dwRop)
{
    return ::BitBlt(m_hDC, x, y, nWidth, nHeight, hSrcDC, xSrc, ySrc, dwRop);
}

CMemoryDC::CMemoryDC(HDC hCompatibleDC) : CDC(::CreateCompatibleDC(hCompatibleDC)) {}

CMemoryDC::~CMemoryDC()
{
    if (m_hDC != nullptr)
        ::DeleteDC(m_hDC);
}

CClientDC::CClientDC(HWND hWnd) : CDC(hWnd != nullptr ? ::GetDC(hWnd) : nullptr), m_hWnd(hWnd) {}

CClientDC::~CClientDC()
{
    if (m_hDC != nullptr)
        ::ReleaseDC(m_hWnd, m_hDC);
}
