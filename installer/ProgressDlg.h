#pragma once

#include "Dialog.h"
#include "InstallWorker.h"
#include "ProgressCtrl.h"

// Runs one install: starts the worker thread, follows it with a 200 ms timer, shows the
// outcome and, after a success, starts the script's command. It ends itself.
class CProgressDlg : public CDialog
{
public:
    explicit CProgressDlg(CWnd* pParent = nullptr);

    CProgressCtrl m_progress;
    CInstallWorker m_worker;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnTimer(UINT_PTR nIdEvent) override;
    // Enter, Escape and OK do nothing: the worker writes m_worker until it has finished,
    // and the dialog ends on its own once it has shown the outcome.
    void OnOK() override;
    void OnCancel() override;
};
