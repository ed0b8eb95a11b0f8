#pragma once
#include <windows.h>

#include "win/GdiObject.h"

// A bitmap from the program's resources that draws itself at its own size,
// stretched or stretched with fixed margins, and turns itself into the region
// of its non-key pixels. It owns its bitmap and the region last built from it;
// a caller that gives the region to a window takes it with DetachRegion.
class CSkinBitmap : public win::Bitmap {
public:
    // The key colour that means "no key".
    static constexpr COLORREF kNoKey = 0xFFFFFFFF;

    // Null: an empty object. Otherwise the bitmap of that resource name or
    // integer id from the resource module; a failed load leaves it empty.
    explicit CSkinBitmap(LPCWSTR resource = nullptr);

    // Deletes what it holds and loads the bitmap of that resource; false
    // (and empty) when it cannot be loaded.
    bool LoadBitmap(LPCWSTR resource);

    // Width and height in pixels; (0, 0) when empty.
    SIZE GetSize() const;

    // The region of the pixels that differ from crKey. An inner rectangle of
    // (0, 0, 0, 0) scans the whole bitmap; any other reads only the frame
    // around it and keeps the inside. With kNoKey: the region already held,
    // or the full rectangle. The object keeps owning the region.
    HRGN GetRegion(COLORREF crKey, const RECT* inner);
    // Hands the region over (to a window); the object forgets it.
    HRGN DetachRegion() { return m_rgn.Detach(); }

    // The whole bitmap at its own size at (x, y); the blit's result.
    BOOL Draw(HDC target, int x, int y) const;
    // The whole bitmap stretched onto the rectangle; always TRUE.
    BOOL StretchDraw(HDC target, const RECT* destination) const;
    // The bitmap scaled onto the rectangle while its border strips of
    // margins->cx and margins->cy pixels keep their size; FALSE, drawing
    // nothing, when the rectangle or the bitmap leaves no middle part.
    BOOL DrawWithMargins(HDC target, const RECT* destination, const SIZE* margins) const;

private:
    void BuildFrameRegion(COLORREF crKey, const RECT& inner, SIZE size);

    win::Region m_rgn;
};
