#include "Dialog.h"

#include "ExceptionReport.h"
#include "SystemSide.h"
#include "WinApp.h"

void DDX_Control(CDataExchange* pDX, int nIdc, CWnd& rControl)
{
    rControl.m_hWnd = GetDlgItem(pDX->m_pDlgWnd->m_hWnd, nIdc);
}

CDialog::CDialog(UINT nIdTemplate, CWnd* pParentWnd) : m_nIdTemplate(nIdTemplate), m_pParentWnd(pParentWnd) {}

// The dialog's object travels to WM_INITDIALOG in an LPARAM.
static_assert(sizeof(LPARAM) == sizeof(CDialog*), "LPARAM narrower than a pointer");

INT_PTR CDialog::DoModal()
{
    const HWND hOwner = m_pParentWnd ? m_pParentWnd->m_hWnd : GetSafeOwner();
    const CWinApp* pApp = AfxGetApp();
    const HINSTANCE hInstance = pApp ? pApp->m_hInstance : GetModuleHandleA(nullptr);
    return SideDialogBoxParam(hInstance, m_nIdTemplate, hOwner, &CDialog::DialogProcStatic,
                              reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK CDialog::DialogProcStatic(HWND hWnd, UINT nMsg, WPARAM, LPARAM lParam)
{
    // Everything after WM_INITDIALOG reaches the object through its own window procedure;
    // here the dialog manager gets "not handled" and does its default.
    if (nMsg != WM_INITDIALOG)
        return FALSE;
    CDialog* pDlg = reinterpret_cast<CDialog*>(lParam);
    pDlg->Subclass(hWnd);
    try {
        pDlg->CenterWindow();
        return pDlg->OnInitDialog();
    } catch (...) {
        ReportSwallowedException(L"CDialog::OnInitDialog");
        pDlg->EndDialog(-1);
        return FALSE;
    }
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx{this, bSaveAndValidate};
    DoDataExchange(&dx);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::OnOK()
{
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // Buttons send BN_CLICKED (0); the dialog manager sends IDOK/IDCANCEL for Enter, Escape
    // and the Close command the same way.
    if (HIWORD(wParam) != BN_CLICKED && lParam != 0)
        return FALSE;
    switch (LOWORD(wParam)) {
    case IDOK:
        OnOK();
        return TRUE;
    case IDCANCEL:
        OnCancel();
        return TRUE;
    default:
        return FALSE;
    }
}

void CDialog::OnDpiChanged(UINT, const RECT* pSuggested)
{
    Default();
    if (pSuggested)
        SetWindowPos(m_hWnd, nullptr, pSuggested->left, pSuggested->top, pSuggested->right - pSuggested->left,
                     pSuggested->bottom - pSuggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
}
