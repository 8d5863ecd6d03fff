#include "PictureCaption.h"

#include "CaptionLayout.h"
#include "ResourceBytes.h"
#include "ScopedSelect.h"
#include "SystemSide.h"

#include <cstddef>
#include <cstring>
#include <vector>

namespace {

constexpr DWORD kMaxCaptionBytes = 255;
constexpr COLORREF kCaptionText = RGB(245, 245, 245);
constexpr COLORREF kCaptionOutline = RGB(16, 16, 16);

// The message font as the system sets it. The metrics are asked for in the size the oldest
// systems know (without the padded border width that Vista added), and on the A side where the
// W call is a stub.
LOGFONTW MessageFont()
{
    LOGFONTW font{};
    if (UsesAnsiCalls()) {
        NONCLIENTMETRICSA metrics{};
        metrics.cbSize = offsetof(NONCLIENTMETRICSA, lfMessageFont) + sizeof(LOGFONTA);
        if (!::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0))
            return font;
        std::memcpy(&font, &metrics.lfMessageFont, offsetof(LOGFONTA, lfFaceName));
        const std::wstring strFace = WideFromAnsi(metrics.lfMessageFont.lfFaceName);
        strFace.copy(font.lfFaceName, LF_FACESIZE - 1);
        return font;
    }
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = offsetof(NONCLIENTMETRICSW, lfMessageFont) + sizeof(LOGFONTW);
    if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0))
        font = metrics.lfMessageFont;
    return font;
}

HFONT CreateCaptionFont(int nDpi)
{
    LOGFONTW font = MessageFont();
    const CMemoryDC dcScreen(nullptr);
    font.lfHeight = ScaleCaptionFontHeight(font.lfHeight != 0 ? font.lfHeight : -12,
                                           ::GetDeviceCaps(dcScreen.GetSafeHdc(), LOGPIXELSY), nDpi);
    font.lfWidth = 0;
    font.lfQuality = ANTIALIASED_QUALITY;
    if (!UsesAnsiCalls())
        return ::CreateFontIndirectW(&font);
    LOGFONTA fontA{};
    std::memcpy(&fontA, &font, offsetof(LOGFONTA, lfFaceName));
    AnsiFromWide(font.lfFaceName).copy(fontA.lfFaceName, LF_FACESIZE - 1);
    return ::CreateFontIndirectA(&fontA);
}

}  // namespace

std::wstring LoadCaption(HMODULE hModule, UINT nId)
{
    const ResourceBytes text = FindResourceBytes(hModule, MAKEINTRESOURCEA(nId), "CAPTION");
    if (text.m_pData == nullptr || text.m_nSize == 0 || text.m_nSize > kMaxCaptionBytes)
        return std::wstring();
    const char* pText = static_cast<const char*>(text.m_pData);
    const int nSize = static_cast<int>(text.m_nSize);
    const int nWide = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, pText, nSize, nullptr, 0);
    if (nWide <= 0)
        return std::wstring();
    std::wstring strText(static_cast<size_t>(nWide), L'\0');
    ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, pText, nSize, &strText[0], nWide);
    return strText;
}

void DrawCaption(CBitmap& bmpCopy, const PictureCaption& caption)
{
    if (caption.m_strText.empty() || bmpCopy.GetSafeHandle() == nullptr)
        return;
    CGdiObject font;
    font.Attach(CreateCaptionFont(caption.m_nDpi));
    CMemoryDC dc(nullptr);
    const CScopedSelect selectCopy(dc, bmpCopy);
    const CScopedSelect selectFont(dc, font);
    const HDC hDC = dc.GetSafeHdc();
    const int nLength = static_cast<int>(caption.m_strText.size());
    SIZE sizeText{};
    if (!selectCopy.IsSelected() || !selectFont.IsSelected() ||
        !::GetTextExtentPoint32W(hDC, caption.m_strText.c_str(), nLength, &sizeText))
        return;
    const SIZE sizeCopy = bmpCopy.GetSize();
    const CaptionPlace place =
        PlaceCaption(ShowSize{sizeCopy.cx, sizeCopy.cy}, ShowSize{sizeText.cx, sizeText.cy}, caption.m_nDpi);
    if (place.m_nWidth <= 0)
        return;
    ::SetBkMode(hDC, TRANSPARENT);
    const int s = place.m_nShadow;
    const auto draw = [&](int dx, int dy, COLORREF colour) {
        const RECT rc{place.m_nLeft - s, place.m_nTop - s, place.m_nLeft + place.m_nWidth + s,
                      place.m_nTop + place.m_nHeight + s};
        ::SetTextColor(hDC, colour);
        ::ExtTextOutW(hDC, place.m_nLeft + dx, place.m_nTop + dy, ETO_CLIPPED, &rc, caption.m_strText.c_str(),
                      static_cast<UINT>(nLength), nullptr);
    };
    // The outline: the text moved a shadow's width each way, under the text itself.
    for (int dy = -s; dy <= s; dy += s)
        for (int dx = -s; dx <= s; dx += s)
            if (dx != 0 || dy != 0)
                draw(dx, dy, kCaptionOutline);
    draw(0, 0, kCaptionText);
    ::GdiFlush();
}
