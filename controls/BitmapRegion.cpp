#include "controls/BitmapRegion.h"

#include <vector>

#include "win/DCSelection.h"
#include "win/DeviceContext.h"
#include "win/GdiObject.h"

namespace {

SIZE BitmapSize(HBITMAP bitmap)
{
    BITMAP description = {};
    if (bitmap == nullptr || ::GetObjectW(bitmap, sizeof(description), &description) == 0)
        return SIZE{0, 0};
    return SIZE{description.bmWidth, description.bmHeight};
}

// A 32-bit top-down pixel (blue, green, red, unused) as a COLORREF.
COLORREF PixelColor(DWORD pixel)
{
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

}  // namespace

HRGN CreateRegionRunByRun(HBITMAP bitmap, COLORREF key)
{
    const SIZE size = BitmapSize(bitmap);
    win::Region region(::CreateRectRgn(0, 0, 0, 0));
    win::MemoryDC memory(nullptr);
    if (region.IsNull() || memory.IsNull())
        return nullptr;
    win::DCSelection selection(memory);
    selection.Bitmap(bitmap);
    for (int y = 0; y < size.cy; ++y) {
        int x = 0;
        while (x < size.cx) {
            const int start = x;
            while (x < size.cx && ::GetPixel(memory, x, y) != key)
                ++x;
            if (x > start) {
                win::Region run(::CreateRectRgn(start, y, x, y + 1));
                // A failed union leaves the region as it was; the scan goes on.
                ::CombineRgn(region, region, run, RGN_OR);
            }
            ++x;  // over the key pixel that ended the run, or past the row's end
        }
    }
    return region.Detach();
}

HRGN CreateRegionFromBitmap(HBITMAP bitmap, COLORREF key)
{
    const SIZE size = BitmapSize(bitmap);
    if (size.cx <= 0 || size.cy <= 0)
        return ::CreateRectRgn(0, 0, 0, 0);

    // All pixels in one block, as 32-bit values, rows top to bottom.
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> pixels(static_cast<size_t>(size.cx) * static_cast<size_t>(size.cy));
    win::MemoryDC memory(nullptr);
    if (memory.IsNull() ||
        ::GetDIBits(memory, bitmap, 0, static_cast<UINT>(size.cy), pixels.data(), &info,
                    DIB_RGB_COLORS) != size.cy)
        return nullptr;

    // The runs, in the order the reference rule unites them.
    std::vector<RECT> runs;
    RECT bounds = {0, 0, 0, 0};
    for (int y = 0; y < size.cy; ++y) {
        const DWORD* row = pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(size.cx);
        int x = 0;
        while (x < size.cx) {
            const int start = x;
            while (x < size.cx && PixelColor(row[x]) != key)
                ++x;
            if (x > start) {
                const RECT run = {start, y, x, y + 1};
                runs.push_back(run);
                ::UnionRect(&bounds, &bounds, &run);
            }
            ++x;
        }
    }

    std::vector<BYTE> data(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT));
    auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
    header->dwSize = sizeof(RGNDATAHEADER);
    header->iType = RDH_RECTANGLES;
    header->nCount = static_cast<DWORD>(runs.size());
    header->nRgnSize = static_cast<DWORD>(runs.size() * sizeof(RECT));
    header->rcBound = bounds;
    if (!runs.empty())
        memcpy(data.data() + sizeof(RGNDATAHEADER), runs.data(), runs.size() * sizeof(RECT));
    return ::ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                             reinterpret_cast<const RGNDATA*>(data.data()));
}
