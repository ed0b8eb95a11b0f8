#pragma once
#include <windows.h>

#include "controls/BmpBtnCtrl.h"
#include "controls/SkinLabel.h"
#include "win/Dialog.h"
#include "win/ProgressCtrl.h"

// How the work of a wizard run ended.
enum class WorkOutcome {
    NotStarted,  // the wizard was closed before its action button
    Succeeded,   // the procedure ran and met no failure
    Failed,      // the procedure ran and met a failure (or has not reported its end)
};

// The install or uninstall wizard: a frameless dialog drawn from the skin
// bitmap that leads through three phases, ready, running and finished. The
// action button starts the worker thread, whose WM_SETUP_PROGRESS messages
// move the wizard on; Finish ends it with IDOK, Cancel and the close button
// with IDCANCEL.
//
// The members are split over files by concern: SetupDlg.cpp (construction,
// texts, layout, the user's buttons), SetupProgress.cpp (the worker's
// messages and the progress timer), SetupSkin.cpp (the window's shape,
// background and dragging).
class CSetupDlg : public win::Dialog {
public:
    CSetupDlg(const wchar_t* sourceDir, BOOL bUninstall, HWND parent);
    ~CSetupDlg() override;

    WorkOutcome Outcome() const { return m_outcome; }

protected:
    void DoDataExchange() override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    // SetupDlg.cpp
    void LoadSkinBitmaps();
    void InitTexts();
    void LayoutControls();
    void OnCloseButton();
    bool OnPaint();
    HICON OnQueryDragIcon() const { return m_hIcon; }

    // SetupProgress.cpp
    void OnAction();
    void OnSetupProgress(WPARAM wParam, LPARAM lParam);
    void OnTimer(UINT_PTR id);
    void ShowWorkBegun(BYTE code);
    void ShowWorkEnded(BYTE code, bool succeeded);
    void ShowFinishButtons();
    // A text of the language library into the heading or the body label.
    void SetLabelText(CSkinLabel& label, UINT textId);

    // SetupSkin.cpp
    void LoadSkin();
    void ShapeWindowFromSkin();
    BOOL OnEraseBkgnd(HDC dc);
    void OnLButtonDown(UINT flags, POINT point);

    BITMAP m_bmSkin;
    HBITMAP m_hSkin;
    wchar_t m_szSourceDir[MAX_PATH];
    wchar_t m_szTitle[MAX_PATH];
    BOOL m_bUninstall;
    BOOL m_bInstallDone;
    CBmpBtnCtrl m_chkLaunch;
    CBmpBtnCtrl m_btnClose;
    CSkinLabel m_lblTitle;
    win::ProgressCtrl m_progress;
    CSkinLabel m_lblBody;
    CBmpBtnCtrl m_btnFinish;
    CBmpBtnCtrl m_btnCancel;
    CSkinLabel m_lblHeading;
    CBmpBtnCtrl m_btnAction;
    HICON m_hIcon;

    // A worker has been started: a second press of the action button starts none.
    bool m_bWorkerStarted = false;
    // The work runs (from the press or the begin report to the end report):
    // nothing may end the wizard meanwhile.
    bool m_bWorking = false;
    WorkOutcome m_outcome = WorkOutcome::NotStarted;
};
