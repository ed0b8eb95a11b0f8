// The painting of CSkinLabel: background, flashing and the text's format.
#include <string>

#include "controls/LabelGradient.h"
#include "controls/SkinLabel.h"
#include "win/DCSelection.h"
#include "win/DeviceContext.h"

namespace {

const int kTextFlash = 1;
const int kBackgroundFlash = 2;

}  // namespace

UINT CSkinLabel::TextFormat(LONG_PTR style, const std::wstring& text)
{
    UINT format = DT_WORDBREAK;
    switch (style & SS_TYPEMASK) {
    case SS_CENTER: format = DT_CENTER | DT_WORDBREAK; break;
    case SS_RIGHT: format = DT_RIGHT | DT_WORDBREAK; break;
    case SS_LEFTNOWORDWRAP: format = DT_LEFT; break;
    default: break;
    }
    if (text.find(L'\t') != std::wstring::npos)
        format |= DT_EXPANDTABS;
    if ((style & SS_CENTERIMAGE) != 0) {
        // A text of several lines is centred across only; one line is
        // centred both ways.
        format = text.find(L"\r\n") != std::wstring::npos ? DT_CENTER
                                                          : DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    }
    return format;
}

bool CSkinLabel::BackgroundHiddenByFlash() const
{
    return m_nFlashMode == kBackgroundFlash && !m_bFlashPhase;
}

COLORREF CSkinLabel::FlashOffTextColor() const
{
    LOGBRUSH brush = {};
    if (!m_hBkBrush.IsNull() && ::GetObjectW(m_hBkBrush, sizeof(brush), &brush) != 0)
        return brush.lbColor;
    return RGB(0, 0, 0);
}

void CSkinLabel::OnPaint()
{
    win::PaintDC paint(m_hWnd);
    RECT client = {};
    GetClientRect(&client);

    // A transparent label, or one whose flashing background is in its off
    // phase, draws its text straight over what the parent painted.
    if (m_bTransparent || BackgroundHiddenByFlash()) {
        Paint(paint, client);
        return;
    }
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    win::MemoryDC memory(paint);
    win::Bitmap image(::CreateCompatibleBitmap(paint, width, height));
    if (memory.IsNull() || image.IsNull())
        return;  // nothing can be painted without the off-screen image
    win::DCSelection selection(memory);
    selection.Bitmap(image);
    Paint(memory, client);
    // A failed copy leaves the previous picture until the next paint.
    ::BitBlt(paint, 0, 0, width, height, memory, 0, 0, SRCCOPY);
}

void CSkinLabel::Paint(HDC dc, const RECT& client)
{
    const std::wstring text = GetText();
    win::DCSelection selection(dc);
    selection.BkMode(TRANSPARENT);
    selection.Font(m_font);

    if (!m_bTransparent && !BackgroundHiddenByFlash())
        PaintBackground(dc, client);

    COLORREF textColor = m_crText;
    if (m_nFlashMode == kTextFlash && !m_bFlashPhase)
        textColor = FlashOffTextColor();
    selection.TextColor(textColor);
    DrawLabelText(dc, client, text, textColor);
}

void CSkinLabel::PaintBackground(HDC dc, const RECT& client)
{
    if (m_bGradient) {
        DrawGradient(dc, client, m_crBk, m_crGradientEnd);
        return;
    }
    // A missing brush leaves the off-screen image as it was made.
    ::FillRect(dc, &client, !m_hBkBrush.IsNull() ? m_hBkBrush.Get() : m_hSysBrush.Get());
}

void CSkinLabel::DrawLabelText(HDC dc, const RECT& client, const std::wstring& text, COLORREF textColor)
{
    if (m_bRotated) {
        // A rotated font is drawn from the label's centre on its baseline.
        const UINT oldAlign = ::SetTextAlign(dc, TA_BASELINE);
        POINT oldOrigin = {};
        ::SetViewportOrgEx(dc, (client.right - client.left) / 2, (client.bottom - client.top) / 2,
                           &oldOrigin);
        ::TextOutW(dc, 0, 0, text.c_str(), static_cast<int>(text.size()));
        ::SetViewportOrgEx(dc, oldOrigin.x, oldOrigin.y, nullptr);
        ::SetTextAlign(dc, oldAlign);
        return;
    }
    const UINT format = TextFormat(GetStyle(), text);
    RECT rect = client;
    ::DrawTextW(dc, text.c_str(), -1, &rect, format);
    if (m_bOffsetText) {
        // The second copy on top raises (down-right) or sinks the text.
        rect = client;
        const int offset = m_bOffsetDownRight ? 1 : -1;
        ::OffsetRect(&rect, offset, offset);
        ::SetTextColor(dc, m_crOffsetText);
        ::DrawTextW(dc, text.c_str(), -1, &rect, format);
        ::SetTextColor(dc, textColor);
    }
}
