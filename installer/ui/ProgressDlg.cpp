#include "ui/ProgressDlg.h"

#include "MessageBox.h"
#include "install/InstallOperations.h"
#include "install/InstallOutcome.h"
#include "resource/InstallerResource.h"
#include "rules/InstallProgress.h"

namespace {

const UINT_PTR kIdTimer = 1;
const UINT kTimerPeriod = 200;
const SIZE_T kStackSize = 1;  // rounded up by the platform to the default stack

}  // namespace

CProgressDlg::CProgressDlg(CInstallOperations& operations, CWnd* pParent)
    : CDialog(IDD_PROGRESS, pParent)
    , m_worker(operations)
    , m_operations(operations)
{
}

INT_PTR CProgressDlg::DoModal()
{
    const INT_PTR nResult = CDialog::DoModal();
    // A quit message ends the modal loop while the worker may still write; the dialog
    // manager has queued it again, so the program ends once the worker has finished.
    m_thread.Join();
    // A dialog that could not be made never started the worker: no install ran.
    if (m_worker.m_bRunning.load(std::memory_order_acquire) != 0)
        m_worker.Finish(1);
    return nResult;
}

void CProgressDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PROGRESS, m_progress);
}

BOOL CProgressDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_progress.SetRange(0, kProgressComplete);
    m_progress.SetPos(0);

    // The timer learns of the end through m_bRunning alone.
    if (!m_thread.Start(InstallThreadProc, &m_worker, kStackSize))
        m_worker.Finish(1);
    SetTimer(kIdTimer, kTimerPeriod);
    return TRUE;
}

void CProgressDlg::OnTimer(UINT_PTR)
{
    m_progress.SetPos(m_worker.m_nProgress.load(std::memory_order_relaxed));
    if (m_worker.m_bRunning.load(std::memory_order_acquire) == 0) {
        KillTimer(kIdTimer);
        const int nResult = m_worker.m_nResult.load(std::memory_order_relaxed);
        AfxMessageBox(InstallOutcomeText(nResult, m_operations),
                      MB_OK | (nResult != 0 ? MB_ICONERROR : MB_ICONINFORMATION));
        if (nResult == 0)
            m_operations.LaunchExecFile();
        CDialog::OnOK();
    }
    Default();
}

void CProgressDlg::OnOK() {}

void CProgressDlg::OnCancel() {}
