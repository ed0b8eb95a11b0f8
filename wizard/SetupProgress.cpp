// The wizard's side of the work: the action button starts the worker, the
// worker's WM_SETUP_PROGRESS messages move the wizard through its running and
// finished phases, and a timer advances the progress bar meanwhile, since the
// procedures report no progress of their own.
#include "resource.h"
#include "wizard/LanguageText.h"
#include "wizard/SetupDlg.h"
#include "wizard/SetupThread.h"

namespace {

constexpr UINT_PTR IDT_PROGRESS = 100;
constexpr UINT kProgressPeriodMs = 200;
constexpr int kProgressRangeEnd = 100;
constexpr int kProgressStep = 5;
// The timer stops advancing here: only the worker's end fills the bar.
constexpr int kProgressTimerLimit = 95;

}  // namespace

void CSetupDlg::OnAction()
{
    // One worker per wizard: a press before the begin message has disabled
    // the button, or Enter on the hidden button afterwards, starts none.
    if (m_bWorkerStarted)
        return;
    m_btnAction.EnableWindow(FALSE);
    if (!StartSetupThread(m_hWnd, m_szSourceDir, m_bUninstall)) {
        m_btnAction.EnableWindow(TRUE);  // still ready: the user may try again
        return;
    }
    m_bWorkerStarted = true;
    m_bWorking = true;
    // Until the worker reports success, the work counts as failed.
    m_outcome = WorkOutcome::Failed;
}

void CSetupDlg::OnSetupProgress(WPARAM wParam, LPARAM lParam)
{
    const BYTE code = LOBYTE(wParam);
    switch (code) {
    case PROGRESS_INSTALL_BEGIN:
    case PROGRESS_UNINSTALL_BEGIN:
        ShowWorkBegun(code);
        break;
    case PROGRESS_INSTALL_END:
    case PROGRESS_UNINSTALL_END:
        ShowWorkEnded(code, lParam == kProgressSucceeded);
        break;
    case PROGRESS_INSTALL_FAILED:
    case PROGRESS_UNINSTALL_FAILED:
        SetLabelText(m_lblHeading,
                     code == PROGRESS_INSTALL_FAILED ? IDS_INSTALL_FAILED_HEAD : IDS_REMOVE_FAILED_HEAD);
        SetLabelText(m_lblBody, IDS_FINISHED_BODY);
        ShowFinishButtons();
        m_bWorking = false;
        m_outcome = WorkOutcome::Failed;
        break;
    default:
        break;  // no other code means anything
    }
}

void CSetupDlg::ShowWorkBegun(BYTE code)
{
    m_bWorking = true;
    m_progress.SetRange(0, kProgressRangeEnd);
    m_progress.SetStep(kProgressStep);
    m_progress.SetPos(0);
    m_progress.ShowWindow(SW_SHOW);

    m_btnAction.EnableWindow(FALSE);
    m_btnCancel.EnableWindow(FALSE);
    m_btnClose.EnableWindow(FALSE);

    const bool install = code == PROGRESS_INSTALL_BEGIN;
    SetLabelText(m_lblHeading, install ? IDS_INSTALL_RUN_HEAD : IDS_REMOVE_RUN_HEAD);
    SetLabelText(m_lblBody, install ? IDS_INSTALL_RUN_BODY : IDS_REMOVE_RUN_BODY);

    // Without the timer the bar stands still; the work goes on regardless.
    SetTimer(IDT_PROGRESS, kProgressPeriodMs);
}

void CSetupDlg::ShowWorkEnded(BYTE code, bool succeeded)
{
    KillTimer(IDT_PROGRESS);  // fails harmlessly when no timer runs

    const bool install = code == PROGRESS_INSTALL_END;
    UINT headingId = 0;
    if (succeeded) {
        m_progress.SetPos(kProgressRangeEnd);
        if (install) {
            m_bInstallDone = TRUE;
            m_progress.ShowWindow(SW_HIDE);
            m_chkLaunch.ShowWindow(SW_SHOW);
            m_chkLaunch.SetCheck(BST_CHECKED);
            headingId = IDS_INSTALL_DONE_HEAD;
        } else {
            headingId = IDS_REMOVE_DONE_HEAD;  // the bar stays, full
        }
    } else {
        // The bar keeps its place and position; no launch is offered.
        headingId = install ? IDS_INSTALL_FAILED_HEAD : IDS_REMOVE_FAILED_HEAD;
    }
    SetLabelText(m_lblHeading, headingId);
    SetLabelText(m_lblBody, IDS_FINISHED_BODY);
    ShowFinishButtons();

    m_bWorking = false;
    m_outcome = succeeded ? WorkOutcome::Succeeded : WorkOutcome::Failed;
}

void CSetupDlg::ShowFinishButtons()
{
    m_btnAction.ShowWindow(SW_HIDE);
    m_btnCancel.EnableWindow(FALSE);
    m_btnClose.EnableWindow(TRUE);
    m_btnFinish.ShowWindow(SW_SHOW);
}

void CSetupDlg::OnTimer(UINT_PTR id)
{
    if (id == IDT_PROGRESS && m_progress.GetPos() < kProgressTimerLimit)
        m_progress.StepIt();
}

void CSetupDlg::SetLabelText(CSkinLabel& label, UINT textId)
{
    LabelText text;
    label.SetText(text.Load(textId));
}
