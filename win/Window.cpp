#include "win/Window.h"

namespace win {

namespace {

BOOL ModifyLong(HWND hWnd, int index, DWORD remove, DWORD add, UINT swpFlags)
{
    const LONG_PTR before = ::GetWindowLongPtrW(hWnd, index);
    const LONG_PTR after = (before & ~static_cast<LONG_PTR>(remove)) | static_cast<LONG_PTR>(add);
    if (before == after)
        return FALSE;
    ::SetWindowLongPtrW(hWnd, index, after);
    if (swpFlags != 0)
        ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | swpFlags);
    return TRUE;
}

}  // namespace

BOOL Window::ModifyStyle(DWORD remove, DWORD add, UINT swpFlags) const
{
    return ModifyLong(m_hWnd, GWL_STYLE, remove, add, swpFlags);
}

BOOL Window::ModifyStyleEx(DWORD remove, DWORD add, UINT swpFlags) const
{
    return ModifyLong(m_hWnd, GWL_EXSTYLE, remove, add, swpFlags);
}

}  // namespace win
