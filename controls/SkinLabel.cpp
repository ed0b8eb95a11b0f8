#include "controls/SkinLabel.h"

#include <shellapi.h>

#include <cwchar>

#include "win/PointFont.h"

namespace {

const int kNoFlash = 0;
const int kTextFlash = 1;
const int kBackgroundFlash = 2;
const int kNoLink = 0;
const int kWebLink = 1;
const int kMailLink = 2;

}  // namespace

CSkinLabel::CSkinLabel()
    : m_crText(::GetSysColor(COLOR_WINDOWTEXT)),
      m_hSysBrush(::CreateSolidBrush(::GetSysColor(COLOR_BTNFACE)))
{
}

CSkinLabel::~CSkinLabel()
{
    // No message may reach the object while its font and brushes go.
    UnsubclassWindow();
}

void CSkinLabel::PreSubclassWindow()
{
    win::Static::PreSubclassWindow();
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT));
    if (font == nullptr)
        font = ::GetStockObject(SYSTEM_FONT);
    // Without a readable font the label starts from an all-zero description:
    // the system picks its default face.
    ::GetObjectW(font, sizeof(m_lf), &m_lf);
    RecreateFont();
}

CSkinLabel& CSkinLabel::SetBackgroundColor(COLORREF color, COLORREF gradientEnd, BOOL gradient)
{
    m_crBk = color;
    m_crGradientEnd = gradientEnd;
    m_bGradient = gradient;
    m_hBkBrush.Reset(gradient ? nullptr : ::CreateSolidBrush(color));
    Refresh();
    return *this;
}

CSkinLabel& CSkinLabel::SetTextColor(COLORREF color)
{
    m_crText = color;
    Refresh();
    return *this;
}

CSkinLabel& CSkinLabel::SetText(const wchar_t* text)
{
    if (!IsWindow())
        return *this;
    SetWindowText(text);  // a text the window refuses leaves the old one shown
    Refresh();
    return *this;
}

CSkinLabel& CSkinLabel::SetFontBold(BOOL bold)
{
    m_lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    RecreateFont();
    Refresh();
    return *this;
}

CSkinLabel& CSkinLabel::SetFontName(const wchar_t* face, BYTE charSet)
{
    m_lf.lfCharSet = charSet;
    // A LOGFONT holds 31 characters and the terminating zero; a longer name
    // is cut, never written past the field.
    wcsncpy(m_lf.lfFaceName, face != nullptr ? face : L"", LF_FACESIZE - 1);
    m_lf.lfFaceName[LF_FACESIZE - 1] = L'\0';
    RecreateFont();
    Refresh();
    return *this;
}

CSkinLabel& CSkinLabel::SetFontUnderline(BYTE underline)
{
    m_lf.lfUnderline = underline;
    RecreateFont();
    Refresh();
    return *this;
}

CSkinLabel& CSkinLabel::SetFontItalic(BYTE italic)
{
    m_lf.lfItalic = italic;
    RecreateFont();
    Refresh();
    return *this;
}

CSkinLabel& CSkinLabel::SetFontSize(int points)
{
    m_lf.lfHeight = win::PointSizeToHeight(points * 10);
    m_lf.lfWidth = 0;
    RecreateFont();
    Refresh();
    return *this;
}

CSkinLabel& CSkinLabel::SetStaticEdge(BOOL edge)
{
    if (edge)
        ModifyStyleEx(0, WS_EX_STATICEDGE, SWP_FRAMECHANGED);
    else
        ModifyStyleEx(WS_EX_STATICEDGE, 0, SWP_FRAMECHANGED);
    return *this;
}

CSkinLabel& CSkinLabel::SetWindowBorder(BOOL border)
{
    if (border)
        ModifyStyle(0, WS_BORDER, SWP_FRAMECHANGED);
    else
        ModifyStyle(WS_BORDER, 0, SWP_FRAMECHANGED);
    return *this;
}

CSkinLabel& CSkinLabel::SetTransparent(BOOL transparent)
{
    m_bTransparent = transparent;
    // Siblings below paint first, so the label can draw over their look;
    // the mark stays even when the label paints its background again.
    ModifyStyleEx(0, WS_EX_TRANSPARENT);
    Refresh();
    return *this;
}

CSkinLabel& CSkinLabel::SetTextFlashing(BOOL flashing)
{
    if (flashing) {
        StartFlashing(kTextFlash);
    } else {
        StopFlashTimer();
        m_nFlashMode = kNoFlash;
    }
    return *this;
}

CSkinLabel& CSkinLabel::SetBackgroundFlashing(BOOL flashing)
{
    if (flashing) {
        StartFlashing(kBackgroundFlash);
    } else {
        StopFlashTimer();
        // Stopped in its off phase, the background would stay hidden.
        if (m_nFlashMode == kBackgroundFlash) {
            m_nFlashMode = kNoFlash;
            Refresh();
        }
    }
    return *this;
}

CSkinLabel& CSkinLabel::SetWebLink(BOOL link, BOOL notifyParent)
{
    SetLinkMode(link ? kWebLink : kNoLink, notifyParent);
    return *this;
}

CSkinLabel& CSkinLabel::SetHoverCursor(HCURSOR cursor)
{
    m_hHoverCursor = cursor;
    return *this;
}

CSkinLabel& CSkinLabel::SetOffsetText(BOOL offset, BOOL downRight)
{
    m_bOffsetText = offset;
    m_bOffsetDownRight = downRight;
    Refresh();
    return *this;
}

CSkinLabel& CSkinLabel::SetTextAngle(int degrees, BOOL rotated)
{
    m_lf.lfEscapement = degrees * 10;
    m_lf.lfOrientation = degrees * 10;
    m_bRotated = rotated;
    RecreateFont();
    Refresh();
    return *this;
}

CSkinLabel& CSkinLabel::SetOffsetTextColor(COLORREF color)
{
    m_crOffsetText = color;
    Refresh();
    return *this;
}

CSkinLabel& CSkinLabel::SetLogFont(LOGFONTW logFont)
{
    m_lf = logFont;
    RecreateFont();
    Refresh();
    return *this;
}

CSkinLabel& CSkinLabel::SetMailtoLink(BOOL mail, BOOL notifyParent)
{
    SetLinkMode(mail ? kMailLink : kNoLink, notifyParent);
    return *this;
}

void CSkinLabel::SetLinkMode(int linkMode, BOOL notifyParent)
{
    m_nLinkMode = linkMode;
    m_bNotifyParent = notifyParent;
    // A static control receives clicks only with SS_NOTIFY.
    if (m_nLinkMode != kNoLink)
        ModifyStyle(0, SS_NOTIFY);
    else
        ModifyStyle(SS_NOTIFY, 0);
}

CSkinLabel& CSkinLabel::SetLinkTarget(const wchar_t* target)
{
    m_strLinkTarget = target != nullptr ? target : L"";
    return *this;
}

bool CSkinLabel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_TIMER:
        OnTimer();
        return false;  // then the control's own handling
    case WM_LBUTTONDOWN:
        OnLButtonDown();
        return false;  // then the static control's own handling of the click
    case WM_SETCURSOR:
        if (!OnSetCursor())
            return false;
        result = TRUE;
        return true;
    case WM_SYSCOLORCHANGE:
        OnSysColorChange();
        result = 0;
        return true;
    case WM_PAINT:
        OnPaint();
        result = 0;
        return true;
    case WM_ERASEBKGND:
        result = TRUE;  // the paint covers the label, or deliberately lets the parent show
        return true;
    default:
        return win::Static::HandleMessage(message, wParam, lParam, result);
    }
}

void CSkinLabel::OnTimer()
{
    m_bFlashPhase = !m_bFlashPhase;
    Refresh();
}

void CSkinLabel::OnLButtonDown()
{
    if (m_bNotifyParent) {
        NMHDR notify = {};
        notify.hwndFrom = m_hWnd;
        notify.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
        notify.code = NM_LABEL_CLICK;
        ::SendMessageW(GetParent(), WM_NOTIFY, notify.idFrom, reinterpret_cast<LPARAM>(&notify));
        return;
    }
    if (m_nLinkMode == kWebLink) {
        const std::wstring target = m_strLinkTarget.empty() ? GetText() : m_strLinkTarget;
        OpenLink(L"open", target.c_str());
    } else if (m_nLinkMode == kMailLink) {
        const std::wstring target = L"mailto:" + GetText();
        OpenLink(nullptr, target.c_str());
    }
}

void CSkinLabel::OpenLink(const wchar_t* verb, const wchar_t* target)
{
    // A link that cannot be opened shows nothing: the click simply does nothing.
    ::ShellExecuteW(nullptr, verb, target, nullptr, nullptr, SW_SHOWNORMAL);
}

bool CSkinLabel::OnSetCursor()
{
    if (m_hHoverCursor == nullptr)
        return false;
    ::SetCursor(m_hHoverCursor);
    return true;
}

void CSkinLabel::OnSysColorChange()
{
    m_hSysBrush.Reset(::CreateSolidBrush(::GetSysColor(COLOR_BTNFACE)));
    Refresh();
}

void CSkinLabel::RecreateFont()
{
    m_font.Reset(::CreateFontIndirectW(&m_lf));  // null: the context's font is used
}

void CSkinLabel::Refresh()
{
    if (!IsWindow())
        return;
    RECT area = {};
    GetWindowRect(&area);
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    HWND parent = GetParent();
    if (parent == nullptr)
        return;
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
    ::InvalidateRect(parent, &area, TRUE);
    ::UpdateWindow(parent);
}

void CSkinLabel::StartFlashing(int mode)
{
    StopFlashTimer();
    m_bFlashPhase = FALSE;
    // Without a timer the label simply does not flash.
    if (IsWindow() && SetTimer(kFlashTimer, kFlashPeriod) != 0)
        m_bTimerSet = TRUE;
    m_nFlashMode = mode;
}

void CSkinLabel::StopFlashTimer()
{
    if (m_bTimerSet && IsWindow())
        KillTimer(kFlashTimer);  // a timer already gone needs no stopping
}
