#include "win/Static.h"

namespace win {

std::wstring Static::GetText() const
{
    const int length = GetWindowTextLength();
    if (length <= 0)
        return std::wstring();
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int copied = GetWindowText(&text[0], length + 1);
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

}  // namespace win
