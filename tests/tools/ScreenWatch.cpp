// Catches a short phase of the show that a screenshot taken by a separate program could miss:
// captures the smallest box around the rectangles given every few milliseconds, in one copy
// each time, until every rectangle meets the rule, then captures the whole virtual screen once
// and writes it as a 24-bit BMP. Thin rectangles keep each watching capture quick.
//   screen-watch SECONDS OUT.bmp RULE X,Y,W,H [X,Y,W,H ...]   exit 0 when caught, 1 at the deadline
// RULE: dissolve   in each quarter of each rectangle (left to right), between 10 % and 90 % of
//                  the pixels are not black: dots all over, unlike a picture sliding in
//       slide      each rectangle's left tenth is black and its right half is not: a picture
//                  on its way in from the right
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

struct Capture
{
    int m_nLeft, m_nTop, m_nWidth, m_nHeight;
    std::vector<uint32_t> m_pixels;  // top-down, 0x00RRGGBB
};

bool Grab(Capture& capture)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = capture.m_nWidth;
    info.bmiHeader.biHeight = -capture.m_nHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* pBits = nullptr;
    HDC hScreen = GetDC(nullptr);
    HDC hMemory = CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = CreateDIBSection(hMemory, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
    HGDIOBJ hOld = SelectObject(hMemory, hBitmap);
    const bool bCopied = hBitmap && BitBlt(hMemory, 0, 0, capture.m_nWidth, capture.m_nHeight, hScreen, capture.m_nLeft,
                                           capture.m_nTop, SRCCOPY);
    GdiFlush();
    if (bCopied) {
        const uint32_t* p = static_cast<const uint32_t*>(pBits);
        capture.m_pixels.assign(p, p + static_cast<size_t>(capture.m_nWidth) * capture.m_nHeight);
    }
    SelectObject(hMemory, hOld);
    DeleteObject(hBitmap);
    DeleteDC(hMemory);
    ReleaseDC(nullptr, hScreen);
    return bCopied;
}

// Share (0-100) of the rectangle's pixels that are not black.
int LitShare(const Capture& capture, const RECT& rc)
{
    int64_t nLit = 0, nAll = 0;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x) {
            const int cx = x - capture.m_nLeft, cy = y - capture.m_nTop;
            if (cx < 0 || cy < 0 || cx >= capture.m_nWidth || cy >= capture.m_nHeight)
                continue;
            nLit += (capture.m_pixels[static_cast<size_t>(cy) * capture.m_nWidth + cx] & 0xFFFFFF) != 0;
            ++nAll;
        }
    return nAll ? static_cast<int>(100 * nLit / nAll) : 0;
}

bool WriteBmp(const char* pszPath, const Capture& capture)
{
    const int nStride = (capture.m_nWidth * 3 + 3) & ~3;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = capture.m_nWidth;
    header.biHeight = -capture.m_nHeight;
    header.biPlanes = 1;
    header.biBitCount = 24;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(nStride) * capture.m_nHeight;
    FILE* pFile = fopen(pszPath, "wb");
    if (!pFile)
        return false;
    fwrite(&file, sizeof file, 1, pFile);
    fwrite(&header, sizeof header, 1, pFile);
    std::vector<uint8_t> row(nStride);
    for (int y = 0; y < capture.m_nHeight; ++y) {
        for (int x = 0; x < capture.m_nWidth; ++x)
            memcpy(&row[x * 3], &capture.m_pixels[static_cast<size_t>(y) * capture.m_nWidth + x], 3);
        fwrite(row.data(), 1, row.size(), pFile);
    }
    return fclose(pFile) == 0;
}

RECT Slice(const RECT& rc, int nFrom, int nTo, int nParts)
{
    const LONG nWidth = rc.right - rc.left;
    return RECT{rc.left + nWidth * nFrom / nParts, rc.top, rc.left + nWidth * nTo / nParts, rc.bottom};
}

bool IsDissolving(const Capture& capture, const RECT& rc)
{
    for (int i = 0; i < 4; ++i) {
        const int nLit = LitShare(capture, Slice(rc, i, i + 1, 4));
        if (nLit < 10 || nLit > 90)
            return false;
    }
    return true;
}

bool IsSliding(const Capture& capture, const RECT& rc)
{
    return LitShare(capture, Slice(rc, 0, 1, 10)) == 0 && LitShare(capture, Slice(rc, 1, 2, 2)) > 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const bool bDissolve = argc >= 5 && strcmp(argv[3], "dissolve") == 0;
    if (argc < 5 || (!bDissolve && strcmp(argv[3], "slide") != 0)) {
        fprintf(stderr, "usage: screen-watch SECONDS OUT.bmp dissolve|slide X,Y,W,H...\n");
        return 2;
    }
    std::vector<RECT> rects;
    for (int i = 4; i < argc; ++i) {
        int x, y, w, h;
        if (sscanf(argv[i], "%d,%d,%d,%d", &x, &y, &w, &h) != 4)
            return 2;
        rects.push_back(RECT{x, y, x + w, y + h});
    }
    RECT rcBox = rects[0];
    for (const RECT& rc : rects)
        UnionRect(&rcBox, &rcBox, &rc);
    Capture capture{rcBox.left, rcBox.top, rcBox.right - rcBox.left, rcBox.bottom - rcBox.top, {}};
    const DWORD nStart = GetTickCount();
    const DWORD nDeadline = nStart + static_cast<DWORD>(atoi(argv[1]) * 1000);
    int nCaptures = 0;
    while (static_cast<LONG>(nDeadline - GetTickCount()) > 0) {
        bool bAll = Grab(capture);
        nCaptures += bAll;
        for (size_t i = 0; bAll && i < rects.size(); ++i)
            bAll = bDissolve ? IsDissolving(capture, rects[i]) : IsSliding(capture, rects[i]);
        if (bAll) {
            Capture screen{GetSystemMetrics(SM_XVIRTUALSCREEN),
                           GetSystemMetrics(SM_YVIRTUALSCREEN),
                           GetSystemMetrics(SM_CXVIRTUALSCREEN),
                           GetSystemMetrics(SM_CYVIRTUALSCREEN),
                           {}};
            return Grab(screen) && WriteBmp(argv[2], screen) ? 0 : 1;
        }
        Sleep(5);
    }
    fprintf(stderr, "screen-watch: not caught in %d captures over %lu ms\n", nCaptures, GetTickCount() - nStart);
    return 1;
}
