#pragma once
#include <string>

#include "win/SubclassedWindow.h"

namespace win {

// A tooltip window of our own: created for an owner window and destroyed
// with this object.
class ToolTipCtrl : public SubclassedWindow {
public:
    ToolTipCtrl() = default;
    ~ToolTipCtrl() override;

    // Creates the tooltip window for the owner; FALSE when it cannot be made.
    BOOL Create(HWND owner);
    void Destroy();

    // Adds the tool: the whole client area of the tool window, id toolId.
    BOOL AddTool(HWND tool, const wchar_t* text, UINT_PTR toolId = 0) const;
    void UpdateTipText(const wchar_t* text, HWND tool, UINT_PTR toolId = 0) const;
    // The tip text of a tool (at most 79 characters, as the control keeps it).
    std::wstring GetText(HWND tool, UINT_PTR toolId = 0) const;
    // Hands a mouse message to the tooltip so that it can show itself.
    void RelayEvent(MSG* message) const;
};

}  // namespace win
