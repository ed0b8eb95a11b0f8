#pragma once
#include <string>

#include "win/SubclassedWindow.h"

namespace win {

// A static (text) control.
class Static : public SubclassedWindow {
public:
    // The whole window text.
    std::wstring GetText() const;
};

}  // namespace win
