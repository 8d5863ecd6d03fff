#include "SaverDlg.h"

#include "Dpi.h"
#include "SaverResource.h"

CSaverDlg::CSaverDlg(CWnd* pParentWnd) : CDialog(IDD_SETTINGS, pParentWnd), m_picture(IDB_SETTINGS) {}

BOOL CSaverDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_picture.Fit(m_hWnd, GetWindowDpi(m_hWnd));
    return TRUE;
}

void CSaverDlg::OnDpiChanged(UINT nDpi, const RECT* pSuggested)
{
    CDialog::OnDpiChanged(nDpi, pSuggested);
    m_picture.Fit(m_hWnd, nDpi);
}
