#pragma once
#include <windows.h>

namespace win {

// A borrowed window handle with the few operations the program uses on any
// window. It never destroys the window: the window belongs to whoever made it.
class Window {
public:
    explicit Window(HWND hWnd = nullptr) : m_hWnd(hWnd) {}
    virtual ~Window() = default;

    HWND Handle() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }
    bool IsWindow() const { return m_hWnd != nullptr && ::IsWindow(m_hWnd) != FALSE; }

    BOOL ShowWindow(int command) const { return ::ShowWindow(m_hWnd, command); }
    BOOL EnableWindow(BOOL enable) const { return ::EnableWindow(m_hWnd, enable); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL SetWindowText(const wchar_t* text) const { return ::SetWindowTextW(m_hWnd, text); }
    int GetWindowTextLength() const { return ::GetWindowTextLengthW(m_hWnd); }
    int GetWindowText(wchar_t* text, int capacity) const { return ::GetWindowTextW(m_hWnd, text, capacity); }
    BOOL SetWindowPos(HWND insertAfter, int x, int y, int cx, int cy, UINT flags) const
    {
        return ::SetWindowPos(m_hWnd, insertAfter, x, y, cx, cy, flags);
    }
    BOOL GetClientRect(RECT* rect) const { return ::GetClientRect(m_hWnd, rect); }
    BOOL GetWindowRect(RECT* rect) const { return ::GetWindowRect(m_hWnd, rect); }
    BOOL InvalidateRect(const RECT* rect, BOOL erase) const { return ::InvalidateRect(m_hWnd, rect, erase); }
    BOOL UpdateWindow() const { return ::UpdateWindow(m_hWnd); }
    LONG_PTR GetStyle() const { return ::GetWindowLongPtrW(m_hWnd, GWL_STYLE); }
    LONG_PTR GetExStyle() const { return ::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE); }
    // Removes and adds style bits; a non-zero swpFlags also applies the change
    // to the frame with SetWindowPos. Returns FALSE when nothing changed.
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT swpFlags = 0) const;
    BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT swpFlags = 0) const;
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageW(m_hWnd, message, wParam, lParam);
    }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::PostMessageW(m_hWnd, message, wParam, lParam);
    }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    HWND GetParent() const { return ::GetParent(m_hWnd); }
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse) const { return ::SetTimer(m_hWnd, id, elapse, nullptr); }
    BOOL KillTimer(UINT_PTR id) const { return ::KillTimer(m_hWnd, id); }

protected:
    HWND m_hWnd;
};

}  // namespace win
