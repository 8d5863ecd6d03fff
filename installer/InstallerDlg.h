#pragma once

#include "Dialog.h"

class CInstallOperations;

// The main dialog (template 102): picture, notice, install and exit buttons. The install
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

    HICON m_hIcon;

private:
    CInstallOperations& m_operations;
    // Set while an install runs: a queued install command must not start a second one.
    bool m_bInstalling = false;
};
