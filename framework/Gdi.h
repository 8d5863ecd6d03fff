#pragma once

#include <windows.h>

#include <cstdint>

// Graphics objects and drawing contexts. Owning classes delete what they hold when they go;
// CDC itself only borrows its handle, and its derived classes say how they got it and how
// they give it back.

class CGdiObject
{
public:
    CGdiObject() = default;
    ~CGdiObject();
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    CGdiObject(CGdiObject&& other) noexcept : m_hObject(other.Detach()) {}
    CGdiObject& operator=(CGdiObject&& other) noexcept
    {
        if (this != &other)
            Attach(other.Detach());
        return *this;
    }

    // Takes ownership of hObject; whatever was held before is deleted.
    void Attach(HGDIOBJ hObject);
    // Gives up ownership: the caller deletes the object.
    HGDIOBJ Detach();
    BOOL DeleteObject();
    HGDIOBJ GetSafeHandle() const { return m_hObject; }

protected:
    HGDIOBJ m_hObject = nullptr;
};

class CBitmap : public CGdiObject
{
public:
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }

    BOOL CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitsPerPixel, const void* pBits);
    // A top-down device-independent bitmap, 32 bits a pixel unless told otherwise: any thread
    // may make and fill it, and a 32-bit one is copied to a true-colour display unconverted.
    // ppBits, when given, receives its pixels.
    BOOL CreateDIBSection(int nWidth, int nHeight, WORD nBitCount = 32, void** ppBits = nullptr);
    // Such a DIB section (24 or 32 bits) holding the whole of source scaled to the given size by
    // ScalePixels, which every Windows draws alike; any thread may call it.
    BOOL CreateScaledCopy(const CBitmap& source, int nWidth, int nHeight, WORD nBitCount = 32);
    // Width and height in pixels; 0 x 0 when none is held.
    SIZE GetSize() const;
    // The pixels of a 32-bit DIB section made as above, top row first, once every drawing
    // queued for it is done. Null for any other bitmap. (The platform does not say which way
    // up a DIB section is, so one made bottom-up would come back upside down.)
    uint32_t* GetDibPixels() const;
};

class CBrush : public CGdiObject
{
public:
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }

    BOOL CreatePatternBrush(const CBitmap& bitmap);
};

class CDC
{
public:
    CDC() = default;
    explicit CDC(HDC hDC) : m_hDC(hDC) {}
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }

    int SaveDC();
    BOOL RestoreDC(int nSavedDC);
    int SetROP2(int nDrawMode);
    BOOL SetViewportOrg(int x, int y);
    int IntersectClipRect(int nLeft, int nTop, int nRight, int nBottom);
    int ExcludeClipRect(int nLeft, int nTop, int nRight, int nBottom);
    COLORREF SetBkColor(COLORREF color);
    COLORREF SetTextColor(COLORREF color);
    BOOL SetBrushOrg(int x, int y);

    // Fills with a solid colour; the background colour is left as it was.
    void FillSolidRect(int x, int y, int nWidth, int nHeight, COLORREF color);
    BOOL Rectangle(int nLeft, int nTop, int nRight, int nBottom);
    BOOL BitBlt(int x, int y, int nWidth, int nHeight, HDC hSrcDC, int xSrc, int ySrc, DWORD dwRop);

protected:
    HDC m_hDC = nullptr;
};

// A memory context made compatible with another; deleted with the object.
class CMemoryDC : public CDC
{
public:
    explicit CMemoryDC(HDC hCompatibleDC);
    ~CMemoryDC();
};

// The client-area context of a window for drawing outside WM_PAINT.
class CClientDC : public CDC
{
public:
    explicit CClientDC(HWND hWnd);
    ~CClientDC();

private:
    HWND m_hWnd;
};
