#pragma once

#include "Dialog.h"
#include "DpiPicture.h"

class CInstallOperations;

// The main dialog: picture, notice, install and exit buttons. The install
// button (and Enter) runs the progress dialog on the given operations; the dialog stays open
// afterwards.
class CInstallerDlg : public CDialog
{
public:
    explicit CInstallerDlg(CInstallOperations& operations, CWnd* pParent = nullptr);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnSysCommand(UINT nId, LPARAM lParam) override;
    void OnPaint() override;
    HCURSOR OnQueryDragIcon() override;
    void OnDpiChanged(UINT nDpi, const RECT* pSuggested) override;

    HICON m_hIcon;
    CDpiPicture m_picture;

private:
    CInstallOperations& m_operations;
    // Set while an install runs: a queued install command must not start a second one.
    bool m_bInstalling = false;
};
