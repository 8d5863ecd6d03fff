#pragma once

#include "Gdi.h"

#include <windows.h>

// The picture of a dialog's bitmap control kept at the dialog's DPI: the bitmap resource is
// scaled with averaging, so that the dialog looks at any scale as it does at 100 %. At 96 DPI
// the control keeps the picture its template gave it. The scaled bitmap is owned here: keep
// this object as long as the dialog.
class CDpiPicture
{
public:
    explicit CDpiPicture(UINT nIdBitmap) : m_nIdBitmap(nIdBitmap) {}
    CDpiPicture(const CDpiPicture&) = delete;
    CDpiPicture& operator=(const CDpiPicture&) = delete;

    // Shows the picture at nDpi in the dialog's first static bitmap control, sized to it, and
    // grows the dialog where its client area would cut the picture off. Leaves both as they
    // are when the picture cannot be made.
    void Fit(HWND hDlg, UINT nDpi);

private:
    UINT m_nIdBitmap;
    CBitmap m_bmpScaled;
};
