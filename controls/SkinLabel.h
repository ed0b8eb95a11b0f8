#pragma once
#include <windows.h>

#include <string>

#include "win/GdiObject.h"
#include "win/Static.h"

// The code of the WM_NOTIFY a label sends its parent when clicked with
// SetWebLink or SetMailtoLink's notify flag set.
constexpr UINT NM_LABEL_CLICK = 0x8200;

// A static text control that paints its own text: in its own colour and font,
// over a solid or gradient background or transparently over its parent,
// optionally flashing, raised or sunk by an offset copy, rotated, and acting
// as a web or mail link or notifying its parent of clicks. Every setter
// returns the label, so a configuration reads as one chain of calls.
class CSkinLabel : public win::Static {
public:
    CSkinLabel();
    ~CSkinLabel() override;

    virtual CSkinLabel& SetBackgroundColor(COLORREF color, COLORREF gradientEnd = 0, BOOL gradient = FALSE);
    virtual CSkinLabel& SetTextColor(COLORREF color);
    virtual CSkinLabel& SetText(const wchar_t* text);
    virtual CSkinLabel& SetFontBold(BOOL bold);
    // A face name longer than a LOGFONT holds (31 characters) is cut to fit.
    virtual CSkinLabel& SetFontName(const wchar_t* face, BYTE charSet = DEFAULT_CHARSET);
    virtual CSkinLabel& SetFontUnderline(BYTE underline);
    virtual CSkinLabel& SetFontItalic(BYTE italic);
    virtual CSkinLabel& SetFontSize(int points);
    virtual CSkinLabel& SetStaticEdge(BOOL edge);
    virtual CSkinLabel& SetWindowBorder(BOOL border);
    virtual CSkinLabel& SetTransparent(BOOL transparent);
    virtual CSkinLabel& SetTextFlashing(BOOL flashing);
    // The background alternates between its colour and the parent's look.
    virtual CSkinLabel& SetBackgroundFlashing(BOOL flashing);
    virtual CSkinLabel& SetWebLink(BOOL link, BOOL notifyParent = FALSE);
    virtual CSkinLabel& SetHoverCursor(HCURSOR cursor);
    virtual CSkinLabel& SetOffsetText(BOOL offset, BOOL downRight = TRUE);
    virtual CSkinLabel& SetTextAngle(int degrees, BOOL rotated);
    virtual CSkinLabel& SetOffsetTextColor(COLORREF color);
    virtual CSkinLabel& SetLogFont(LOGFONTW logFont);
    virtual CSkinLabel& SetMailtoLink(BOOL mail, BOOL notifyParent = FALSE);
    virtual CSkinLabel& SetLinkTarget(const wchar_t* target);

    const LOGFONTW& GetLogFont() const { return m_lf; }
    HFONT GetFont() const { return m_font; }

    // The DrawText format the label uses for its style and text.
    static UINT TextFormat(LONG_PTR style, const std::wstring& text);

    // Id of the flash timer.
    static constexpr UINT_PTR kFlashTimer = 1;
    static constexpr UINT kFlashPeriod = 500;

protected:
    void PreSubclassWindow() override;
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    // Opens a link target through the shell (verb null: the default action).
    virtual void OpenLink(const wchar_t* verb, const wchar_t* target);

private:
    void OnTimer();
    void OnLButtonDown();
    bool OnSetCursor();
    void OnSysColorChange();
    void OnPaint();
    void Paint(HDC dc, const RECT& client);
    void PaintBackground(HDC dc, const RECT& client);
    void DrawLabelText(HDC dc, const RECT& client, const std::wstring& text, COLORREF textColor);
    COLORREF FlashOffTextColor() const;
    bool BackgroundHiddenByFlash() const;

    void RecreateFont();
    void Refresh();
    void StartFlashing(int mode);
    void StopFlashTimer();
    // Web or mail link (or none), and whether a click only tells the parent.
    void SetLinkMode(int linkMode, BOOL notifyParent);

    COLORREF m_crText;
    COLORREF m_crOffsetText = 0x00FFFFFF;
    win::Brush m_hSysBrush;
    win::Brush m_hBkBrush;
    LOGFONTW m_lf = {};
    win::Font m_font;
    BOOL m_bFlashPhase = FALSE;
    BOOL m_bTimerSet = FALSE;
    int m_nLinkMode = 0;
    BOOL m_bTransparent = FALSE;
    BOOL m_bOffsetText = FALSE;
    BOOL m_bNotifyParent = FALSE;
    BOOL m_bRotated = FALSE;
    int m_nFlashMode = 0;
    HCURSOR m_hHoverCursor = nullptr;
    BOOL m_bOffsetDownRight = TRUE;
    BOOL m_bGradient = FALSE;
    COLORREF m_crGradientEnd = 0;
    COLORREF m_crBk = 0;
    std::wstring m_strLinkTarget;
};
