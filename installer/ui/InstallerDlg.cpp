#include "ui/InstallerDlg.h"

#include "DisplayText.h"
#include "Dpi.h"
#include "PaintDC.h"
#include "SystemSide.h"
#include "WinApp.h"
#include "resource/InstallerResource.h"
#include "ui/AboutDlg.h"
#include "ui/ProgressDlg.h"

namespace {

const UINT kIdmAbout = 0x0010;

}  // namespace

CInstallerDlg::CInstallerDlg(CInstallOperations& operations, std::string strDisplayName, CWnd* pParent)
    : CDialog(IDD_INSTALLER, pParent)
    , m_hIcon(SideLoadIcon(AfxGetApp()->m_hInstance, IDI_PRODUCT))
    , m_picture(IDB_PICTURE)
    , m_operations(operations)
    , m_strDisplayName(std::move(strDisplayName))
{
}

BOOL CInstallerDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_picture.Fit(m_hWnd, GetWindowDpi(m_hWnd));

    CMenu sysMenu = GetSystemMenu(FALSE);
    if (sysMenu.m_hMenu) {
        const std::wstring strAboutItem = LoadResourceString(IDS_ABOUTBOX);
        if (!strAboutItem.empty()) {
            sysMenu.AppendMenu(MF_SEPARATOR);
            sysMenu.AppendMenu(MF_STRING, kIdmAbout, strAboutItem);
        }
    }

    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    SetWindowText(WideFromProductText(m_strDisplayName) + LoadResourceString(IDS_TITLE_SUFFIX));
    return TRUE;
}

void CInstallerDlg::OnSysCommand(UINT nId, LPARAM lParam)
{
    if ((nId & 0xFFF0) == kIdmAbout) {
        CAboutDlg dlgAbout;
        dlgAbout.DoModal();
    } else {
        CDialog::OnSysCommand(nId, lParam);
    }
}

void CInstallerDlg::OnPaint()
{
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    const int cxIcon = GetSystemMetrics(SM_CXICON);
    const int cyIcon = GetSystemMetrics(SM_CYICON);
    RECT rect;
    GetClientRect(&rect);
    const int x = (rect.right - rect.left - cxIcon + 1) / 2;
    const int y = (rect.bottom - rect.top - cyIcon + 1) / 2;
    DrawIcon(dc, x, y, m_hIcon);
}

HCURSOR CInstallerDlg::OnQueryDragIcon()
{
    return reinterpret_cast<HCURSOR>(m_hIcon);
}

void CInstallerDlg::OnDpiChanged(UINT nDpi, const RECT* pSuggested)
{
    CDialog::OnDpiChanged(nDpi, pSuggested);
    m_picture.Fit(m_hWnd, nDpi);
}

void CInstallerDlg::OnOK()
{
    // The progress dialog's modal loop dispatches this dialog's queued messages too.
    if (m_bInstalling)
        return;
    m_bInstalling = true;
    CProgressDlg dlgProgress(m_operations);
    GetDlgItem(IDOK).EnableWindow(FALSE);
    GetDlgItem(IDCANCEL).EnableWindow(FALSE);
    CMenu sysMenu = GetSystemMenu(FALSE);
    sysMenu.EnableMenuItem(SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);

    dlgProgress.DoModal();
    m_bInstallRan = true;
    m_nLastResult = dlgProgress.m_worker.m_nResult.load(std::memory_order_relaxed);

    GetDlgItem(IDCANCEL).EnableWindow(TRUE);
    GetDlgItem(IDOK).EnableWindow(TRUE);
    sysMenu.EnableMenuItem(SC_CLOSE, MF_BYCOMMAND | MF_ENABLED);
    m_bInstalling = false;
}
