#pragma once

#include "Wnd.h"

#include <commctrl.h>

// The progress bar control, bound to a dialog's control by DDX_Control.
class CProgressCtrl : public CWnd
{
public:
    void SetRange(int nLower, int nUpper) { SendMessage(PBM_SETRANGE, 0, MAKELPARAM(nLower, nUpper)); }
    int SetPos(int nPos) { return static_cast<int>(SendMessage(PBM_SETPOS, static_cast<WPARAM>(nPos))); }
};
