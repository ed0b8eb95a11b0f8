#include "controls/BmpBtnCtrl.h"

#include <commctrl.h>

#include <string>

#include "win/ResourceModule.h"

namespace {

bool IsCheckKind(int style)
{
    return style == BS_CHECKBOX || style == BS_AUTOCHECKBOX;
}

bool IsRadioKind(int style)
{
    return style == BS_RADIOBUTTON || style == BS_AUTORADIOBUTTON;
}

// The button types this class draws and so turns into owner-drawn ones.
bool IsDrawnType(LONG_PTR type)
{
    return (type >= BS_PUSHBUTTON && type <= BS_RADIOBUTTON) || type == BS_AUTORADIOBUTTON;
}

LPCWSTR BitmapResource(UINT id)
{
    return MAKEINTRESOURCEW(id & 0xFFFF);
}

}  // namespace

CBmpBtnCtrl::~CBmpBtnCtrl()
{
    // No message may reach the object while its members go.
    UnsubclassWindow();
}

BOOL CBmpBtnCtrl::SetBitmaps(UINT idNormal, UINT idPressed, UINT idHover, UINT idChecked,
                             UINT idDisabled, UINT idDisabledChecked)
{
    // The kind is the style before owner drawing replaced the button type;
    // later calls would only see BS_OWNERDRAW.
    if (m_nStyle == kStyleUnknown)
        m_nStyle = static_cast<int>(GetStyle() & 0xFF);
    if (IsDrawnType(GetStyle() & BS_TYPEMASK))
        ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW);

    m_bmpNormal.Reset();
    m_bmpPressed.Reset();
    m_bmpHover.Reset();
    m_bmpChecked.Reset();
    m_bmpDisabled.Reset();
    m_bmpDisabledChecked.Reset();
    m_crTransparent = CSkinBitmap::kNoKey;
    m_rcOpaque = RECT{0, 0, 0, 0};

    if (!m_bmpNormal.LoadBitmap(BitmapResource(idNormal)))
        return FALSE;
    BOOL allLoaded = TRUE;
    const struct {
        UINT id;
        CSkinBitmap* bitmap;
    } others[] = {{idPressed, &m_bmpPressed},
                  {idHover, &m_bmpHover},
                  {idChecked, &m_bmpChecked},
                  {idDisabled, &m_bmpDisabled},
                  {idDisabledChecked, &m_bmpDisabledChecked}};
    for (const auto& other : others) {
        if (other.id != 0 && !other.bitmap->LoadBitmap(BitmapResource(other.id)))
            allLoaded = FALSE;
    }
    return allLoaded;
}

void CBmpBtnCtrl::FitToBitmap(int x, int y)
{
    SIZE size = m_bmpNormal.GetSize();
    RECT client = {};
    GetClientRect(&client);
    if (IsCheckKind(m_nStyle) || IsRadioKind(m_nStyle)) {
        // Room for the caption: what the window had beside the system's own
        // check mark, measured from the current width each time.
        size.cy += 4;
        size.cx += (client.right - client.left - ::GetSystemMetrics(SM_CXMENUCHECK)) + 2;
    }
    if (m_nStyle == BS_PUSHBUTTON && m_crTransparent <= 0x00FFFFFF) {
        HRGN region = m_bmpNormal.GetRegion(m_crTransparent, &m_rcOpaque);
        // Once the window has the region it owns it; if it refused, the
        // bitmap keeps and later deletes it.
        if (region != nullptr && ::SetWindowRgn(m_hWnd, region, TRUE) != 0)
            m_bmpNormal.DetachRegion();
    }
    // A move to (0, 0) cannot be asked for: (0, 0) means "keep the place".
    if (x == 0 && y == 0)
        SetWindowPos(nullptr, 0, 0, size.cx, size.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE);
    else
        SetWindowPos(nullptr, x, y, size.cx, size.cy, SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE);
}

int CBmpBtnCtrl::GetCheck() const
{
    return m_nCheck;
}

void CBmpBtnCtrl::SetCheck(int check)
{
    if (!IsWindowEnabled() || check == m_nCheck)
        return;
    m_nCheck = check;
    InvalidateRect(nullptr, FALSE);
}

int CBmpBtnCtrl::GetButtonStyle() const
{
    return m_nStyle;
}

void CBmpBtnCtrl::SetTransparentColor(COLORREF key, const RECT& opaque)
{
    m_crTransparent = key;
    m_rcOpaque = opaque;
}

BOOL CBmpBtnCtrl::SetTooltipText(UINT textId)
{
    if (!m_ToolTip.IsWindow()) {
        if (!m_ToolTip.Create(m_hWnd) || !m_ToolTip.AddTool(m_hWnd, L""))
            return FALSE;
    }
    m_nTipTextId = textId;
    return TRUE;
}

bool CBmpBtnCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        if (IsCheckKind(m_nStyle))
            SetCheck(GetCheck() == 0 ? 1 : 0);
        else if (IsRadioKind(m_nStyle))
            SetCheck(1);  // the other buttons of the group are the owner's business
    }
    return win::Button::OnChildNotify(message, wParam, lParam, result);
}

bool CBmpBtnCtrl::PreTranslateMessage(MSG* message)
{
    if (m_ToolTip.IsWindow())
        m_ToolTip.RelayEvent(message);
    return win::Button::PreTranslateMessage(message);
}

bool CBmpBtnCtrl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_MOUSEMOVE:
        OnMouseMove();
        return false;  // the button's own handling follows
    case WM_SETCURSOR:
        if (!OnSetCursor(reinterpret_cast<HWND>(wParam)))
            return false;
        result = TRUE;
        return true;
    case WM_ERASEBKGND:
        result = TRUE;  // the face covers the whole client area
        return true;
    case WM_MOUSELEAVE:
        OnMouseLeave();
        result = 0;
        return true;
    case WM_MOUSEHOVER:
        OnMouseHover();
        result = 0;
        return true;
    default:
        return win::Button::HandleMessage(message, wParam, lParam, result);
    }
}

void CBmpBtnCtrl::OnMouseMove()
{
    if (m_bTracking)
        return;
    TRACKMOUSEEVENT track = {};
    track.cbSize = sizeof(track);
    track.dwFlags = TME_HOVER | TME_LEAVE;
    track.hwndTrack = m_hWnd;
    track.dwHoverTime = 1;
    // Unarmed tracking is tried again on the next move.
    m_bTracking = ::_TrackMouseEvent(&track);
}

bool CBmpBtnCtrl::OnSetCursor(HWND cursorWindow)
{
    if (cursorWindow == m_hWnd && m_hCursor != nullptr) {
        m_hPrevCursor = ::SetCursor(m_hCursor);
        return true;
    }
    m_hPrevCursor = nullptr;
    return false;
}

void CBmpBtnCtrl::OnMouseLeave()
{
    m_bHover = FALSE;
    m_bTracking = FALSE;
    if (m_hPrevCursor != nullptr)
        ::SetCursor(m_hPrevCursor);
    if (IsWindowEnabled())
        InvalidateRect(nullptr, FALSE);
}

void CBmpBtnCtrl::OnMouseHover()
{
    m_bHover = TRUE;
    if (m_ToolTip.IsWindow() && m_nTipTextId != 0) {
        wchar_t text[1024] = {};
        // A missing string leaves the tip empty.
        ::LoadStringW(win::GetResourceModule(), m_nTipTextId, text, 1024);
        m_ToolTip.UpdateTipText(text, m_hWnd, 0);
    }
    if (IsWindowEnabled())
        InvalidateRect(nullptr, FALSE);
}
