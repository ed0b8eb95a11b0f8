// The painting of CBmpBtnCtrl: which face a state shows, and the push,
// check-box and radio faces drawn through an off-screen bitmap.
#include "controls/BmpBtnCtrl.h"

#include <string>

#include "win/DCSelection.h"
#include "win/DeviceContext.h"
#include "win/PointFont.h"

namespace {

// The colour of the skin's content panel, on which the check box sits: the
// check box fills its background with it so that it blends with the panel.
const COLORREF kCheckBackground = 0x00AD5D47;

// The caption of a push button goes over the face's middle.
const UINT kPushTextFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;
// The caption of a check box or radio button goes beside the face.
const UINT kMarkTextFormat = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
const UINT kMarkMeasureFormat = DT_CALCRECT | DT_SINGLELINE | DT_VCENTER;
const int kMarkTextGap = 4;
// The radio button's caption font, in tenths of a point.
const wchar_t kRadioFontFace[] = L"Arial";
const int kRadioFontTenths = 90;

std::wstring WindowText(HWND hWnd)
{
    const int length = ::GetWindowTextLengthW(hWnd);
    if (length <= 0)
        return std::wstring();  // an empty caption draws no text
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int copied = ::GetWindowTextW(hWnd, &text[0], length + 1);
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

}  // namespace

CBmpBtnCtrl::Face CBmpBtnCtrl::ChooseFace(int style, UINT itemState, int check, BOOL hover)
{
    const bool disabled = (itemState & ODS_DISABLED) != 0;
    const bool selected = (itemState & ODS_SELECTED) != 0;
    if (style == BS_PUSHBUTTON || style == BS_DEFPUSHBUTTON) {
        if (disabled)
            return Face::Disabled;
        if (selected)
            return Face::Pressed;
        if (hover)
            return Face::Hover;
        return Face::Normal;
    }
    // Check boxes and radio buttons: only the value 1 counts as checked.
    const bool checked = check == 1;
    if (disabled && checked)
        return Face::DisabledChecked;
    if (disabled)
        return Face::Disabled;
    if (checked)
        return Face::Checked;
    if (hover)
        return Face::Hover;
    if (selected)
        return Face::Pressed;
    return Face::Normal;
}

const CSkinBitmap& CBmpBtnCtrl::FaceBitmap(Face face) const
{
    const CSkinBitmap* bitmap = &m_bmpNormal;
    switch (face) {
    case Face::Normal: bitmap = &m_bmpNormal; break;
    case Face::Pressed: bitmap = &m_bmpPressed; break;
    case Face::Hover: bitmap = &m_bmpHover; break;
    case Face::Checked: bitmap = &m_bmpChecked; break;
    case Face::Disabled: bitmap = &m_bmpDisabled; break;
    case Face::DisabledChecked: bitmap = &m_bmpDisabledChecked; break;
    }
    // A face that was not given shows the normal one, never a neighbour.
    return bitmap->IsNull() ? m_bmpNormal : *bitmap;
}

COLORREF CBmpBtnCtrl::CaptionColor() const
{
    return IsWindowEnabled() ? RGB(255, 255, 255) : ::GetSysColor(COLOR_GRAYTEXT);
}

void CBmpBtnCtrl::DrawItem(DRAWITEMSTRUCT* drawItem)
{
    RECT client = {};
    GetClientRect(&client);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    win::MemoryDC memory(drawItem->hDC);
    win::Bitmap image(::CreateCompatibleBitmap(drawItem->hDC, width, height));
    if (memory.IsNull() || image.IsNull())
        return;
    {
        win::DCSelection selection(memory);
        selection.Bitmap(image);
        selection.Font(reinterpret_cast<HFONT>(::SendMessageW(GetParent(), WM_GETFONT, 0, 0)));
        switch (m_nStyle) {
        case BS_PUSHBUTTON:
        case BS_DEFPUSHBUTTON:
            DrawPushFace(memory, client, drawItem->itemState);
            break;
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
            DrawCheckFace(memory, client, drawItem->itemState);
            break;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            DrawRadioFace(memory, client, drawItem->itemState);
            break;
        default:
            break;  // a kind this class does not draw: the blank image is shown
        }
        // A failed copy leaves the old face on screen until the next paint.
        ::BitBlt(drawItem->hDC, 0, 0, width, height, memory, 0, 0, SRCCOPY);
    }
}

void CBmpBtnCtrl::DrawPushFace(HDC dc, RECT rect, UINT itemState) const
{
    const CSkinBitmap& face = FaceBitmap(ChooseFace(m_nStyle, itemState, m_nCheck, m_bHover));
    const SIZE size = face.GetSize();
    if (size.cx == rect.right - rect.left && size.cy == rect.bottom - rect.top) {
        face.Draw(dc, 0, 0);
    } else {
        // Faces too small for 5-pixel margins are not drawn at all.
        const SIZE margins = {5, 5};
        face.DrawWithMargins(dc, &rect, &margins);
    }

    // Without a hover face the focus rectangle gives way while the mouse hovers.
    const bool hoverWithoutFace =
        m_bHover && (itemState & (ODS_SELECTED | ODS_DISABLED)) == 0 && m_bmpHover.IsNull();
    if (!hoverWithoutFace && (GetStyle() & WS_TABSTOP) != 0 && IsWindowEnabled() &&
        (itemState & ODS_FOCUS) != 0) {
        ::InflateRect(&rect, -1, -1);
        ::DrawFocusRect(dc, &rect);
    }

    const std::wstring text = WindowText(m_hWnd);
    if (text.empty())
        return;
    win::DCSelection selection(dc);
    selection.BkMode(TRANSPARENT);
    if ((itemState & ODS_SELECTED) != 0)
        ::OffsetRect(&rect, 1, 1);
    selection.TextColor(CaptionColor());
    ::DrawTextW(dc, text.c_str(), -1, &rect, kPushTextFormat);
}

RECT CBmpBtnCtrl::DrawMarkFace(HDC dc, const RECT& rect, UINT itemState) const
{
    win::Brush background(::CreateSolidBrush(kCheckBackground));
    ::FillRect(dc, &rect, background);  // without the brush the face still shows

    const CSkinBitmap& face = FaceBitmap(ChooseFace(m_nStyle, itemState, m_nCheck, m_bHover));
    const SIZE size = face.GetSize();
    RECT faceRect = {};
    faceRect.left = 0;
    faceRect.top = (rect.top + rect.bottom) / 2 - size.cy / 2;
    faceRect.right = faceRect.left + size.cx;
    faceRect.bottom = faceRect.top + size.cy;
    face.StretchDraw(dc, &faceRect);
    return faceRect;
}

void CBmpBtnCtrl::DrawCheckFace(HDC dc, const RECT& rect, UINT itemState) const
{
    const RECT faceRect = DrawMarkFace(dc, rect, itemState);
    const std::wstring text = WindowText(m_hWnd);
    if (text.empty())
        return;

    RECT textRect = faceRect;
    textRect.left = faceRect.right + kMarkTextGap;
    {
        win::DCSelection selection(dc);
        selection.TextColor(CaptionColor());
        const int height = ::DrawTextW(dc, text.c_str(), -1, &textRect, kMarkMeasureFormat);
        // The caption lines up with the top of the face.
        textRect.bottom = textRect.top + height + 1;
        ::OffsetRect(&textRect, 0, -1);
        selection.BkMode(TRANSPARENT);
        ::DrawTextW(dc, text.c_str(), -1, &textRect, kMarkTextFormat);
    }
    if ((GetStyle() & WS_TABSTOP) != 0 && IsWindowEnabled() && (itemState & ODS_FOCUS) != 0) {
        ::InflateRect(&textRect, 2, 1);
        ::DrawFocusRect(dc, &textRect);
    }
}

void CBmpBtnCtrl::DrawRadioFace(HDC dc, const RECT& rect, UINT itemState) const
{
    RECT faceRect = DrawMarkFace(dc, rect, itemState);
    const bool focused = IsWindowEnabled() && (itemState & ODS_FOCUS) != 0;
    const std::wstring text = WindowText(m_hWnd);
    if (text.empty()) {
        if (focused)
            ::DrawFocusRect(dc, &faceRect);
        return;
    }

    RECT textRect = faceRect;
    textRect.left = faceRect.right + kMarkTextGap;
    {
        win::Font font(win::CreatePointFont(kRadioFontTenths, kRadioFontFace));
        win::DCSelection selection(dc);
        selection.Font(font);  // without it, the context's font is used
        selection.TextColor(CaptionColor());
        const int height = ::DrawTextW(dc, text.c_str(), -1, &textRect, kMarkMeasureFormat);
        textRect.bottom = textRect.top + height + 1;
        selection.BkMode(TRANSPARENT);
        ::DrawTextW(dc, text.c_str(), -1, &textRect, kMarkTextFormat);
    }
    if (focused) {
        ::InflateRect(&textRect, 2, 1);
        ::DrawFocusRect(dc, &textRect);
    }
}
