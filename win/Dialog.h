#pragma once
#include "win/SubclassedWindow.h"
#include "win/Window.h"

namespace win {

// A modal dialog built from a dialog template of the executable. It runs its
// own modal loop, so that a control can see the messages meant for it before
// the dialog manager does (tooltips need the mouse messages), and routes the
// dialog's messages to the derived class's message table, HandleMessage.
//
// Notifications a control sends its dialog (WM_COMMAND, WM_DRAWITEM,
// WM_NOTIFY) are offered to that control's SubclassedWindow::OnChildNotify
// first; only what the control leaves reaches the dialog's table.
class Dialog : public Window {
public:
    Dialog(UINT templateId, HWND parent);
    ~Dialog() override;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Shows the dialog and returns once it has been ended: the value handed to
    // EndDialog, or -1 when the dialog could not be created.
    INT_PTR DoModal();

    // Ends the modal run with the given result; the window is hidden at once
    // and destroyed when DoModal returns.
    void EndDialog(INT_PTR result);

protected:
    // Called from WM_INITDIALOG: binds the controls (DoDataExchange). The
    // result tells the dialog manager to set the focus itself (TRUE).
    virtual BOOL OnInitDialog();

    // Binds members to the dialog's controls with BindControl.
    virtual void DoDataExchange() {}

    // IDOK and IDCANCEL from a button, Enter or Escape, and the close request.
    virtual void OnOK();
    virtual void OnCancel();

    // The message table: true when the message was handled, with its result.
    // A derived class lists its own messages and passes every other on to the
    // base class; a message nobody handles gets the dialog manager's default.
    virtual bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // Attaches a member to the dialog's control with the given id by
    // subclassing it. False when there is no such control or it is bound already.
    bool BindControl(int id, SubclassedWindow& control);

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    // The control a notification comes from, when it is one of ours.
    static SubclassedWindow* NotifyingControl(UINT message, WPARAM wParam, LPARAM lParam);

    // Offers a message of the modal loop to the control under it and to that
    // control's parents below the dialog; true when one consumed it.
    bool PreTranslateMessage(MSG* message) const;

    const UINT m_templateId;
    const HWND m_hParent;
    bool m_bEnded = false;
    INT_PTR m_nResult = -1;
};

}  // namespace win
