#pragma once
#include "win/SubclassedWindow.h"

namespace win {

// A button control. The parent reflects its notifications to it: a
// WM_DRAWITEM reaches DrawItem (an owner-drawn button paints itself) and is
// then handled; a WM_COMMAND is left to the parent too, which still acts on
// the click.
class Button : public SubclassedWindow {
public:
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    // Paints an owner-drawn button; the default paints nothing.
    virtual void DrawItem(DRAWITEMSTRUCT* /*drawItem*/) {}
};

}  // namespace win
