#include "win/DCSelection.h"

namespace win {

DCSelection::~DCSelection()
{
    // Putting back what was selected before cannot fail in a way that could
    // be mended here; the results are not needed.
    if (m_oldFont != nullptr)
        ::SelectObject(m_hDC, m_oldFont);
    if (m_oldBrush != nullptr)
        ::SelectObject(m_hDC, m_oldBrush);
    if (m_oldBitmap != nullptr)
        ::SelectObject(m_hDC, m_oldBitmap);
    if (m_oldPen != nullptr)
        ::SelectObject(m_hDC, m_oldPen);
    if (m_oldTextColor != CLR_INVALID)
        ::SetTextColor(m_hDC, m_oldTextColor);
    if (m_oldBkMode != 0)
        ::SetBkMode(m_hDC, m_oldBkMode);
}

void DCSelection::Select(HGDIOBJ object, HGDIOBJ& old)
{
    if (object == nullptr)
        return;
    HGDIOBJ previous = ::SelectObject(m_hDC, object);
    // Only the first selection's predecessor is what the scope must restore;
    // a failed selection (null, or HGDI_ERROR) leaves nothing to restore.
    if (old == nullptr && previous != nullptr && previous != HGDI_ERROR)
        old = previous;
}

void DCSelection::TextColor(COLORREF color)
{
    const COLORREF previous = ::SetTextColor(m_hDC, color);
    if (m_oldTextColor == CLR_INVALID)
        m_oldTextColor = previous;
}

void DCSelection::BkMode(int mode)
{
    const int previous = ::SetBkMode(m_hDC, mode);
    if (m_oldBkMode == 0)
        m_oldBkMode = previous;
}

}  // namespace win
