#pragma once
#include <windows.h>

// How the work of a wizard run ended.
enum class WorkOutcome {
    NotStarted,  // the wizard was closed before its action button
    Succeeded,   // the procedure ran and met no failure
    Failed,      // the procedure ran and met a failure
};

// The install or uninstall wizard.
class CSetupDlg {
public:
    CSetupDlg(const wchar_t* sourceDir, BOOL bUninstall, HWND parent);

    // Runs the wizard modally: IDOK when closed through Finish.
    INT_PTR DoModal();
    WorkOutcome Outcome() const { return m_outcome; }

private:
    WorkOutcome m_outcome = WorkOutcome::NotStarted;
};
