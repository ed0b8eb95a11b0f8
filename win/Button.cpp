#include "win/Button.h"

namespace win {

bool Button::OnChildNotify(UINT message, WPARAM /*wParam*/, LPARAM lParam, LRESULT* result)
{
    if (message != WM_DRAWITEM)
        return false;
    DrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
    if (result != nullptr)
        *result = TRUE;
    return true;
}

}  // namespace win
