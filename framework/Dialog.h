#pragma once

#include "Wnd.h"

class CDialog;

// What DoDataExchange gets: the dialog and the direction of the exchange.
struct CDataExchange
{
    CDialog* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
};

// Makes the control object a view of the dialog's control nIdc.
void DDX_Control(CDataExchange* pDX, int nIdc, CWnd& rControl);

// A dialog run modally on a numbered template. The platform's dialog manager creates it; at
// WM_INITDIALOG the object binds itself to the window and from then on every message passes
// through CWnd::WindowProc, with the dialog manager as default processing.
class CDialog : public CWnd
{
public:
    // Without a parent the dialog belongs to the application's main window.
    explicit CDialog(UINT nIdTemplate, CWnd* pParentWnd = nullptr);
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // The value given to EndDialog, or -1 when the dialog could not be created.
    virtual INT_PTR DoModal();
    void EndDialog(int nResult) { ::EndDialog(m_hWnd, nResult); }

protected:
    // Binds the controls (DoDataExchange); TRUE lets the platform set the focus.
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* pDX);
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // Takes the platform's suggested place and size for the new scale.
    void OnDpiChanged(UINT nDpi, const RECT* pSuggested) override;

private:
    static INT_PTR CALLBACK DialogProcStatic(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);

    UINT m_nIdTemplate;
    CWnd* m_pParentWnd;
};
