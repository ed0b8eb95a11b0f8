#pragma once
#include <windows.h>

namespace win {

// Selects objects and settings into a device context for the length of a
// scope and puts back what was there before when the scope ends: the font,
// brush, bitmap, pen, text colour and background mode first seen are
// restored, however many times each was changed in between.
class DCSelection {
public:
    explicit DCSelection(HDC hDC) : m_hDC(hDC) {}
    ~DCSelection();
    DCSelection(const DCSelection&) = delete;
    DCSelection& operator=(const DCSelection&) = delete;

    void Font(HFONT font) { Select(font, m_oldFont); }
    void Brush(HBRUSH brush) { Select(brush, m_oldBrush); }
    void Bitmap(HBITMAP bitmap) { Select(bitmap, m_oldBitmap); }
    void Pen(HPEN pen) { Select(pen, m_oldPen); }
    void TextColor(COLORREF color);
    void BkMode(int mode);

private:
    void Select(HGDIOBJ object, HGDIOBJ& old);

    HDC m_hDC;
    HGDIOBJ m_oldFont = nullptr;
    HGDIOBJ m_oldBrush = nullptr;
    HGDIOBJ m_oldBitmap = nullptr;
    HGDIOBJ m_oldPen = nullptr;
    COLORREF m_oldTextColor = CLR_INVALID;
    int m_oldBkMode = 0;
};

}  // namespace win
