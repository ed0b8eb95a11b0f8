#include "win/SubclassedWindow.h"

#include <commctrl.h>

namespace win {

namespace {
const UINT_PTR kSubclassId = 1;
// The window property that leads from a window to its object. The import
// libraries offer no GetWindowSubclass (comctl32 exports it by ordinal only).
const wchar_t kObjectProperty[] = L"win::SubclassedWindow";
}

SubclassedWindow::~SubclassedWindow()
{
    UnsubclassWindow();
}

BOOL SubclassedWindow::SubclassWindow(HWND hWnd)
{
    if (m_hWnd != nullptr || hWnd == nullptr)
        return FALSE;
    if (!::SetWindowSubclass(hWnd, &SubclassedWindow::SubclassProc, kSubclassId,
                             reinterpret_cast<DWORD_PTR>(this)))
        return FALSE;
    if (!::SetPropW(hWnd, kObjectProperty, this)) {
        ::RemoveWindowSubclass(hWnd, &SubclassedWindow::SubclassProc, kSubclassId);
        return FALSE;
    }
    m_hWnd = hWnd;
    PreSubclassWindow();
    return TRUE;
}

HWND SubclassedWindow::UnsubclassWindow()
{
    HWND hWnd = m_hWnd;
    if (hWnd != nullptr && ::IsWindow(hWnd)) {
        ::RemoveWindowSubclass(hWnd, &SubclassedWindow::SubclassProc, kSubclassId);
        ::RemovePropW(hWnd, kObjectProperty);
    }
    m_hWnd = nullptr;
    return hWnd;
}

SubclassedWindow* SubclassedWindow::FromHandle(HWND hWnd)
{
    if (hWnd == nullptr)
        return nullptr;
    return static_cast<SubclassedWindow*>(::GetPropW(hWnd, kObjectProperty));
}

bool SubclassedWindow::PreTranslateMessage(MSG* /*message*/)
{
    return false;
}

bool SubclassedWindow::OnChildNotify(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/,
                                     LRESULT* /*result*/)
{
    return false;
}

bool SubclassedWindow::HandleMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/,
                                     LRESULT& /*result*/)
{
    return false;
}

LRESULT SubclassedWindow::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::DefSubclassProc(m_hWnd, message, wParam, lParam);
}

LRESULT CALLBACK SubclassedWindow::SubclassProc(HWND hWnd, UINT message, WPARAM wParam,
                                                LPARAM lParam, UINT_PTR /*id*/, DWORD_PTR refData)
{
    auto* self = reinterpret_cast<SubclassedWindow*>(refData);
    LRESULT result = 0;
    const bool handled = self->HandleMessage(message, wParam, lParam, result);
    if (!handled)
        result = ::DefSubclassProc(hWnd, message, wParam, lParam);
    if (message == WM_NCDESTROY)
        self->UnsubclassWindow();
    return result;
}

}  // namespace win
