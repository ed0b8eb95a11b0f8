#pragma once
#include <windows.h>

#include "controls/SkinBitmap.h"
#include "win/Button.h"
#include "win/ToolTipCtrl.h"

// An owner-drawn button whose face is a bitmap chosen by its state, with the
// caption drawn over the face (push button) or beside it (check box, radio
// button). The kind is taken from the window's own button type the first
// time the bitmaps are set. It keeps its own check state, shows a hover face
// while the mouse is over it, and can take the outline of its normal face,
// show its own cursor and show a tooltip.
class CBmpBtnCtrl : public win::Button {
public:
    // m_nStyle before SetBitmaps has captured the kind.
    static constexpr int kStyleUnknown = -1;

    CBmpBtnCtrl() = default;
    ~CBmpBtnCtrl() override;

    // Loads the faces (resource ids; 0 for none: that state shows the normal
    // face). FALSE when the normal face or any other requested face could not
    // be loaded; without the normal face nothing else is loaded.
    BOOL SetBitmaps(UINT idNormal, UINT idPressed, UINT idHover, UINT idChecked, UINT idDisabled,
                    UINT idDisabledChecked);

    // Sizes the window to its normal face and moves it to (x, y) unless both
    // are 0. A check box or radio button is widened to keep room for its text.
    virtual void FitToBitmap(int x, int y);
    virtual int GetCheck() const;
    // Ignored while the window is disabled.
    virtual void SetCheck(int check);
    // The kind captured by SetBitmaps, kStyleUnknown before.
    virtual int GetButtonStyle() const;

    // Shape, cursor and tooltip: none of them is set unless asked for.
    // A key colour (up to 0x00FFFFFF) and inner rectangle give a push button
    // the outline of its normal face in FitToBitmap.
    void SetTransparentColor(COLORREF key, const RECT& opaque);
    void SetHoverCursor(HCURSOR cursor) { m_hCursor = cursor; }
    // Creates the tooltip, which shows string resource textId on hover.
    BOOL SetTooltipText(UINT textId);
    const win::ToolTipCtrl& GetToolTip() const { return m_ToolTip; }

    void DrawItem(DRAWITEMSTRUCT* drawItem) override;
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    bool PreTranslateMessage(MSG* message) override;

    // The faces a button state can show.
    enum class Face { Normal, Pressed, Hover, Checked, Disabled, DisabledChecked };
    // Which face the kind shows for a DRAWITEMSTRUCT item state, check value
    // and hover flag (before the fallback of a missing face to the normal one).
    static Face ChooseFace(int style, UINT itemState, int check, BOOL hover);

protected:
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void OnMouseMove();
    bool OnSetCursor(HWND cursorWindow);
    void OnMouseLeave();
    void OnMouseHover();

    // The bitmap of a face, the normal one when that face was not loaded.
    const CSkinBitmap& FaceBitmap(Face face) const;
    void DrawPushFace(HDC dc, RECT rect, UINT itemState) const;
    void DrawCheckFace(HDC dc, const RECT& rect, UINT itemState) const;
    void DrawRadioFace(HDC dc, const RECT& rect, UINT itemState) const;
    // The face of a check box or radio button, centred vertically at the
    // left edge after filling the client with the panel colour; its rectangle.
    RECT DrawMarkFace(HDC dc, const RECT& rect, UINT itemState) const;
    COLORREF CaptionColor() const;
    bool HasText() const { return GetWindowTextLength() > 0; }

    CSkinBitmap m_bmpNormal;
    CSkinBitmap m_bmpPressed;
    CSkinBitmap m_bmpChecked;
    CSkinBitmap m_bmpHover;
    CSkinBitmap m_bmpDisabled;
    CSkinBitmap m_bmpDisabledChecked;
    COLORREF m_crTransparent = CSkinBitmap::kNoKey;
    RECT m_rcOpaque = {0, 0, 0, 0};
    BOOL m_bHover = FALSE;
    BOOL m_bTracking = FALSE;
    int m_nCheck = 0;
    HCURSOR m_hPrevCursor = nullptr;
    HCURSOR m_hCursor = nullptr;
    int m_nStyle = kStyleUnknown;
    UINT m_nTipTextId = 0;
    win::ToolTipCtrl m_ToolTip;
};
