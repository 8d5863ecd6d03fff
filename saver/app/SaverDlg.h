#pragma once

#include "Dialog.h"
#include "DpiPicture.h"

// The settings dialog: the product's picture and a credit line. The saver has no settings,
// so nothing is read or stored; OK, Enter, Escape and the close box all just end it.
class CSaverDlg : public CDialog
{
public:
    explicit CSaverDlg(CWnd* pParentWnd = nullptr);

protected:
    BOOL OnInitDialog() override;
    void OnDpiChanged(UINT nDpi, const RECT* pSuggested) override;

private:
    CDpiPicture m_picture;
};
