#include "controls/SkinBitmap.h"

#include "controls/BitmapRegion.h"
#include "win/DCSelection.h"
#include "win/DeviceContext.h"
#include "win/ResourceModule.h"

CSkinBitmap::CSkinBitmap(LPCWSTR resource)
{
    if (resource != nullptr)
        LoadBitmap(resource);  // a failed load leaves the object empty
}

bool CSkinBitmap::LoadBitmap(LPCWSTR resource)
{
    Reset(::LoadBitmapW(win::GetResourceModule(), resource));
    return !IsNull();
}

SIZE CSkinBitmap::GetSize() const
{
    BITMAP description = {};
    if (IsNull() || ::GetObjectW(Get(), sizeof(description), &description) == 0)
        return SIZE{0, 0};
    return SIZE{description.bmWidth, description.bmHeight};
}

HRGN CSkinBitmap::GetRegion(COLORREF crKey, const RECT* inner)
{
    const SIZE size = GetSize();
    if (crKey == kNoKey) {
        if (m_rgn.IsNull())
            m_rgn.Reset(::CreateRectRgn(0, 0, size.cx, size.cy));
        return m_rgn;
    }
    m_rgn.Reset();
    const RECT noInner = {0, 0, 0, 0};
    if (inner == nullptr || ::EqualRect(inner, &noInner)) {
        m_rgn.Reset(CreateRegionFromBitmap(Get(), crKey));
        // A bitmap the one-block read refuses is scanned pixel by pixel.
        if (m_rgn.IsNull())
            m_rgn.Reset(CreateRegionRunByRun(Get(), crKey));
    } else {
        BuildFrameRegion(crKey, *inner, size);
    }
    return m_rgn;
}

void CSkinBitmap::BuildFrameRegion(COLORREF crKey, const RECT& inner, SIZE size)
{
    m_rgn.Reset(::CreateRectRgn(0, 0, size.cx, size.cy));
    win::MemoryDC memory(nullptr);
    if (m_rgn.IsNull() || memory.IsNull())
        return;
    win::DCSelection selection(memory);
    selection.Bitmap(Get());
    // Each frame pixel is visited once, so the exclusive-or always removes.
    auto removeIfKey = [&](int x, int y) {
        if (::GetPixel(memory, x, y) != crKey)
            return;
        win::Region pixel(::CreateRectRgn(x, y, x + 1, y + 1));
        ::CombineRgn(m_rgn, m_rgn, pixel, RGN_XOR);  // a failed removal keeps the pixel
    };
    for (int x = 0; x < inner.left && x < size.cx; ++x)
        for (int y = 0; y < size.cy; ++y)
            removeIfKey(x, y);
    for (int x = inner.left < 0 ? 0 : inner.left; x < inner.right && x < size.cx; ++x) {
        for (int y = 0; y <= inner.top && y < size.cy; ++y)
            removeIfKey(x, y);
        for (int y = inner.bottom < 0 ? 0 : inner.bottom; y < size.cy; ++y)
            removeIfKey(x, y);
    }
    for (int x = inner.right < 0 ? 0 : inner.right; x < size.cx; ++x)
        for (int y = 0; y < size.cy; ++y)
            removeIfKey(x, y);
}

BOOL CSkinBitmap::Draw(HDC target, int x, int y) const
{
    const SIZE size = GetSize();
    win::MemoryDC memory(target);
    win::DCSelection selection(memory);
    selection.Bitmap(Get());
    return ::BitBlt(target, x, y, size.cx, size.cy, memory, 0, 0, SRCCOPY);
}

BOOL CSkinBitmap::StretchDraw(HDC target, const RECT* destination) const
{
    const SIZE size = GetSize();
    win::MemoryDC memory(target);
    win::DCSelection selection(memory);
    selection.Bitmap(Get());
    // The stretch's result is not this operation's result: it always answers TRUE.
    ::StretchBlt(target, destination->left, destination->top, destination->right - destination->left,
                 destination->bottom - destination->top, memory, 0, 0, size.cx, size.cy, SRCCOPY);
    return TRUE;
}

BOOL CSkinBitmap::DrawWithMargins(HDC target, const RECT* destination, const SIZE* margins) const
{
    const SIZE size = GetSize();
    const int W = destination->right - destination->left;
    const int H = destination->bottom - destination->top;
    const int cx = margins->cx;
    const int cy = margins->cy;
    if (!(W > 2 * cx && H > 2 * cy && size.cx > 2 * cx && size.cy > 2 * cy))
        return FALSE;

    // The blits below go on whatever one of them does: a missing strip is
    // better than no face at all.
    win::MemoryDC source(target);
    win::DCSelection sourceSelection(source);
    sourceSelection.Bitmap(Get());

    // Horizontal pass: W by h, the left and right strips at their own width.
    win::Bitmap wide(::CreateCompatibleBitmap(target, W, size.cy));
    win::MemoryDC wideDC(target);
    win::DCSelection wideSelection(wideDC);
    wideSelection.Bitmap(wide);
    ::BitBlt(wideDC, 0, 0, cx, size.cy, source, 0, 0, SRCCOPY);
    ::StretchBlt(wideDC, cx, 0, W - 2 * cx, size.cy, source, cx, 0, size.cx - 2 * cx, size.cy, SRCCOPY);
    ::BitBlt(wideDC, W - cx, 0, cx, size.cy, source, size.cx - cx, 0, SRCCOPY);

    // Vertical pass: W by H, the top and bottom strips at their own height.
    win::Bitmap full(::CreateCompatibleBitmap(target, W, H));
    win::MemoryDC fullDC(target);
    win::DCSelection fullSelection(fullDC);
    fullSelection.Bitmap(full);
    ::BitBlt(fullDC, 0, 0, W, cy, wideDC, 0, 0, SRCCOPY);
    ::StretchBlt(fullDC, 0, cy, W, H - 2 * cy, wideDC, 0, cy, W, size.cy - 2 * cy, SRCCOPY);
    ::BitBlt(fullDC, 0, H - cy, W, cy, wideDC, 0, size.cy - cy, SRCCOPY);

    ::BitBlt(target, destination->left, destination->top, W, H, fullDC, 0, 0, SRCCOPY);
    return TRUE;
}
