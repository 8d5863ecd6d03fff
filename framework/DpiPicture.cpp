#include "DpiPicture.h"

#include "DpiScale.h"
#include "SystemSide.h"

namespace {

HWND FindBitmapControl(HWND hDlg)
{
    for (HWND hChild = GetWindow(hDlg, GW_CHILD); hChild; hChild = GetWindow(hChild, GW_HWNDNEXT)) {
        const LONG_PTR nStyle = SideGetWindowLongPtr(hChild, GWL_STYLE);
        if (_wcsicmp(SideGetClassName(hChild).c_str(), L"Static") == 0 && (nStyle & SS_TYPEMASK) == SS_BITMAP)
            return hChild;
    }
    return nullptr;
}

// Dialog units follow the font, whose metrics grow in whole pixels: at some scales the client
// area comes out narrower than the picture. Grow the dialog then, rather than cut it off.
void GrowToHold(HWND hDlg, HWND hControl)
{
    RECT rcControl, rcClient, rcWindow;
    GetWindowRect(hControl, &rcControl);
    MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&rcControl), 2);
    GetClientRect(hDlg, &rcClient);
    const LONG nGrowX = rcControl.right > rcClient.right ? rcControl.right - rcClient.right : 0;
    const LONG nGrowY = rcControl.bottom > rcClient.bottom ? rcControl.bottom - rcClient.bottom : 0;
    if (nGrowX == 0 && nGrowY == 0)
        return;
    GetWindowRect(hDlg, &rcWindow);
    SetWindowPos(hDlg, nullptr, 0, 0, rcWindow.right - rcWindow.left + nGrowX, rcWindow.bottom - rcWindow.top + nGrowY,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void CDpiPicture::Fit(HWND hDlg, UINT nDpi)
{
    const HWND hControl = FindBitmapControl(hDlg);
    if (!hControl || (nDpi == kDefaultDpi && !m_bmpScaled.GetSafeHandle()))
        return;
    // Always from the resource, never from an earlier scaled copy: no loss piles up.
    const HINSTANCE hInstance = reinterpret_cast<HINSTANCE>(SideGetWindowLongPtr(hDlg, GWLP_HINSTANCE));
    CBitmap bmpSource;
    bmpSource.Attach(SideLoadImage(hInstance, m_nIdBitmap, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    const SIZE sizeSource = bmpSource.GetSize();
    const int nWidth = ScaleToDpi(sizeSource.cx, nDpi);
    const int nHeight = ScaleToDpi(sizeSource.cy, nDpi);
    if (nWidth <= 0 || nHeight <= 0)
        return;
    // 24 bits, as the resources are: the themed static control takes 32-bit bitmaps for ones
    // with alpha and draws a copy of its own.
    CBitmap bmpScaled;
    if (!bmpScaled.CreateScaledCopy(bmpSource, nWidth, nHeight, 24))
        return;

    const HGDIOBJ hShown = reinterpret_cast<HGDIOBJ>(
        SideSendMessage(hControl, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(static_cast<HBITMAP>(bmpScaled))));
    // The template's own picture is the caller's once replaced; an earlier copy of ours goes
    // with the Attach below.
    if (hShown && hShown != m_bmpScaled.GetSafeHandle())
        DeleteObject(hShown);
    m_bmpScaled.Attach(bmpScaled.Detach());
    SetWindowPos(hControl, nullptr, 0, 0, nWidth, nHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    GrowToHold(hDlg, hControl);
}
