#pragma once

#include "Dialog.h"
#include "DpiPicture.h"
#include "rules/InstallerExitCode.h"

#include <string>

class CInstallOperations;

// The main dialog: picture, notice, install and exit buttons. The install
// button (and Enter) runs the progress dialog on the given operations; the dialog stays open
// afterwards. Its title is the product's display name (in the product's code page) and a text of ours.
class CInstallerDlg : public CDialog
{
public:
    CInstallerDlg(CInstallOperations& operations, std::string strDisplayName, CWnd* pParent = nullptr);

    // Once it has ended: the last install's outcome, or Cancelled when none ran.
    InstallerExitCode Outcome() const { return InstallOutcome(m_bInstallRan, m_nLastResult); }

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
    std::string m_strDisplayName;
    bool m_bInstallRan = false;
    int m_nLastResult = 0;
    // Set while an install runs: a queued install command must not start a second one.
    bool m_bInstalling = false;
};
