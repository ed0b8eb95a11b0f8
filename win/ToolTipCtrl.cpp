#include "win/ToolTipCtrl.h"

#include <commctrl.h>

namespace win {

namespace {

TTTOOLINFOW MakeToolInfo(HWND tool, UINT_PTR toolId, const wchar_t* text)
{
    TTTOOLINFOW info = {};
    info.cbSize = sizeof(info);
    // No TTF_SUBCLASS: the owner relays the mouse messages (RelayEvent).
    info.hwnd = tool;
    info.uId = toolId;
    info.lpszText = const_cast<wchar_t*>(text);
    ::GetClientRect(tool, &info.rect);
    return info;
}

}  // namespace

ToolTipCtrl::~ToolTipCtrl()
{
    Destroy();
}

BOOL ToolTipCtrl::Create(HWND owner)
{
    if (m_hWnd != nullptr)
        return FALSE;
    HWND tip = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner,
                                 nullptr, ::GetModuleHandleW(nullptr), nullptr);
    if (tip == nullptr)
        return FALSE;
    if (!SubclassWindow(tip)) {
        ::DestroyWindow(tip);
        return FALSE;
    }
    return TRUE;
}

void ToolTipCtrl::Destroy()
{
    HWND tip = UnsubclassWindow();
    if (tip != nullptr && ::IsWindow(tip))
        ::DestroyWindow(tip);  // the window is ours; nothing to do if it is already gone
}

BOOL ToolTipCtrl::AddTool(HWND tool, const wchar_t* text, UINT_PTR toolId) const
{
    TTTOOLINFOW info = MakeToolInfo(tool, toolId, text != nullptr ? text : L"");
    return SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info)) != 0;
}

void ToolTipCtrl::UpdateTipText(const wchar_t* text, HWND tool, UINT_PTR toolId) const
{
    TTTOOLINFOW info = MakeToolInfo(tool, toolId, text);
    SendMessage(TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

std::wstring ToolTipCtrl::GetText(HWND tool, UINT_PTR toolId) const
{
    wchar_t text[80] = {};
    TTTOOLINFOW info = MakeToolInfo(tool, toolId, text);
    SendMessage(TTM_GETTEXTW, 0, reinterpret_cast<LPARAM>(&info));
    return text;
}

void ToolTipCtrl::RelayEvent(MSG* message) const
{
    SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(message));
}

}  // namespace win
