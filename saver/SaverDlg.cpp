#include "SaverDlg.h"

#include "Dpi.h"

namespace {

const UINT kIdTemplate = 141;
const UINT kIdPicture = 142;

}  // namespace

CSaverDlg::CSaverDlg(CWnd* pParentWnd) : CDialog(kIdTemplate, pParentWnd), m_picture(kIdPicture) {}

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
