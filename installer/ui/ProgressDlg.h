#pragma once

#include "Dialog.h"
#include "ProgressCtrl.h"
#include "Thread.h"
#include "install/InstallWorker.h"

class CInstallOperations;

// Runs one install: starts the worker thread, follows it with a 200 ms timer, shows the
// outcome and, after a success, starts the script's command. It ends itself.
class CProgressDlg : public CDialog
{
public:
    explicit CProgressDlg(CInstallOperations& operations, CWnd* pParent = nullptr);

    // Returns only once the worker has ended, however the dialog ended; a dialog that did not
    // run leaves a failure in m_worker.
    INT_PTR DoModal() override;

    CProgressCtrl m_progress;
    CInstallWorker m_worker;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnTimer(UINT_PTR nIdEvent) override;
    // Enter, Escape and OK do nothing: the dialog ends on its own once it has shown the
    // outcome.
    void OnOK() override;
    void OnCancel() override;

private:
    CInstallOperations& m_operations;
    // After m_worker, so that the thread has ended before the record goes.
    CThread m_thread;
};
