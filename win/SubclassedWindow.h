#pragma once
#include "win/Window.h"

namespace win {

// A control whose messages reach this C++ object. The object attaches itself to
// an existing window (a dialog's control) by subclassing it and lets go again
// when it is destroyed or the window goes. Each derived class lists the
// messages it handles in HandleMessage, its message table, and passes every
// other message on to its base class.
class SubclassedWindow : public Window {
public:
    SubclassedWindow() = default;
    ~SubclassedWindow() override;
    SubclassedWindow(const SubclassedWindow&) = delete;
    SubclassedWindow& operator=(const SubclassedWindow&) = delete;

    BOOL SubclassWindow(HWND hWnd);
    HWND UnsubclassWindow();

    // The object attached to a window, or null when the window has none.
    static SubclassedWindow* FromHandle(HWND hWnd);

    // Offered a message of the main loop before it is dispatched; true when it
    // was consumed.
    virtual bool PreTranslateMessage(MSG* message);

    // Offered the notifications the parent receives about this control
    // (WM_COMMAND, WM_NOTIFY, WM_DRAWITEM); true when the control handled it
    // and the parent must not.
    virtual bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

protected:
    // Called once the window is attached, before any message reaches the object.
    virtual void PreSubclassWindow() {}

    // The message table: true when the message was handled, with its result.
    virtual bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // The window's own handling of a message (the class it had before).
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) const;

private:
    static LRESULT CALLBACK SubclassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR refData);
};

}  // namespace win
