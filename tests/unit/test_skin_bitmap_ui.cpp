// The skin bitmap: regions of its non-key pixels (the run-by-run rule, the
// one-block routine that must give exactly the same region, and frame mode),
// and drawing with fixed margins.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "controls/BitmapRegion.h"
#include "controls/SkinBitmap.h"
#include "resource.h"
#include "support/ui_support.h"
#include "win/GdiObject.h"

using ui_support::Describe;
using ui_support::MakeBitmap;
using ui_support::RegionRects;
using ui_support::SameRects;

namespace {

const COLORREF kKey = RGB(255, 0, 255);
const COLORREF kWhite = RGB(255, 255, 255);
const RECT kWholeBitmap = {0, 0, 0, 0};

// A bitmap of the given size, white except for the key pixels listed.
HBITMAP BitmapWithKeys(int width, int height, const std::vector<POINT>& keys)
{
    std::vector<COLORREF> pixels(static_cast<size_t>(width * height), kWhite);
    for (const POINT& key : keys)
        pixels[static_cast<size_t>(key.y * width + key.x)] = kKey;
    return MakeBitmap(width, height, pixels);
}

void ExpectRects(HRGN region, const std::vector<RECT>& expected)
{
    const std::vector<RECT> actual = RegionRects(region);
    EXPECT_TRUE(SameRects(actual, expected)) << "got " << Describe(actual) << " expected " << Describe(expected);
}

struct WholeBitmapCase {
    const char* name;
    int width;
    int height;
    std::vector<POINT> keys;
    std::vector<RECT> expected;
};

}  // namespace

TEST(SkinBitmapRegion, WholeBitmapModeGivesTheRunsOfNonKeyPixels)
{
    const WholeBitmapCase cases[] = {
        {"no key pixel: the full rectangle", 5, 3, {}, {{0, 0, 5, 3}}},
        {"all key pixels: empty", 2, 2, {{0, 0}, {1, 0}, {0, 1}, {1, 1}}, {}},
        {"a key pixel splits its row", 4, 3, {{1, 1}}, {{0, 0, 4, 1}, {0, 1, 1, 2}, {2, 1, 4, 2}, {0, 2, 4, 3}}},
        {"keys at both ends and side by side",
         6,
         1,
         {{0, 0}, {2, 0}, {3, 0}, {5, 0}},
         {{1, 0, 2, 1}, {4, 0, 5, 1}}},
        {"an all-key row adds nothing", 3, 3, {{0, 1}, {1, 1}, {2, 1}}, {{0, 0, 3, 1}, {0, 2, 3, 3}}},
    };
    for (const WholeBitmapCase& c : cases) {
        SCOPED_TRACE(c.name);
        CSkinBitmap bitmap;
        bitmap.Reset(BitmapWithKeys(c.width, c.height, c.keys));
        ExpectRects(bitmap.GetRegion(kKey, &kWholeBitmap), c.expected);

        win::Region reference(CreateRegionRunByRun(bitmap, kKey));
        ExpectRects(reference, c.expected);
    }
}

TEST(SkinBitmapRegion, AColourOffTheKeyByOneInAnyChannelBelongsToTheWindow)
{
    const std::vector<COLORREF> pixels = {RGB(254, 0, 255), RGB(255, 1, 255), RGB(255, 0, 254), kKey};
    CSkinBitmap bitmap;
    bitmap.Reset(MakeBitmap(4, 1, pixels));
    ExpectRects(bitmap.GetRegion(kKey, &kWholeBitmap), {{0, 0, 3, 1}});
}

TEST(SkinBitmapRegion, OneBlockRoutineEqualsTheRunByRunRule)
{
    // A pattern of scattered key pixels, runs of every length, full key rows.
    const int width = 37;
    const int height = 23;
    std::vector<COLORREF> pixels;
    unsigned seed = 12345;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            seed = seed * 1103515245u + 12345u;
            const bool key = y == 7 || (seed >> 16) % 5 == 0 || (y == 3 && x > 30);
            pixels.push_back(key ? kKey : RGB(x * 6, y * 10, (seed >> 8) & 0xFF));
        }
    }
    win::Bitmap bitmap(MakeBitmap(width, height, pixels));
    win::Region fast(CreateRegionFromBitmap(bitmap, kKey));
    win::Region reference(CreateRegionRunByRun(bitmap, kKey));
    ASSERT_FALSE(fast.IsNull());
    const std::vector<RECT> fastRects = RegionRects(fast);
    EXPECT_TRUE(SameRects(fastRects, RegionRects(reference))) << Describe(fastRects);
    EXPECT_TRUE(::EqualRgn(fast, reference));
}

TEST(SkinBitmapRegion, FrameModeReadsRowTopButNotColumnLeft)
{
    // Inner rectangle (2, 2, w-2, h-2) of a 10 by 10 bitmap.
    CSkinBitmap bitmap;
    bitmap.Reset(BitmapWithKeys(10, 10, {{5, 2}, {2, 5}, {5, 8}, {5, 5}, {0, 0}, {9, 9}}));
    const RECT inner = {2, 2, 8, 8};
    // (5, 2) on row top and (5, 8) on row bottom go; (2, 5) on column left
    // and (5, 5) inside are never read and stay.
    ExpectRects(bitmap.GetRegion(kKey, &inner), {{1, 0, 10, 1},
                                                 {0, 1, 10, 2},
                                                 {0, 2, 5, 3},
                                                 {6, 2, 10, 3},
                                                 {0, 3, 10, 8},
                                                 {0, 8, 5, 9},
                                                 {6, 8, 10, 9},
                                                 {0, 9, 9, 10}});
}

TEST(SkinBitmapRegion, AnEmptyInnerRectangleThatIsNotAllZeroReadsEveryPixel)
{
    CSkinBitmap bitmap;
    bitmap.Reset(BitmapWithKeys(10, 10, {{5, 5}, {4, 4}, {5, 0}}));
    const RECT inner = {5, 5, 5, 5};
    ExpectRects(bitmap.GetRegion(kKey, &inner),
                {{0, 0, 5, 1}, {6, 0, 10, 1}, {0, 1, 10, 4}, {0, 4, 4, 5}, {5, 4, 10, 5},
                 {0, 5, 5, 6}, {6, 5, 10, 6}, {0, 6, 10, 10}});
}

TEST(SkinBitmapRegion, NoKeyGivesTheRectangleOrKeepsAShapedRegion)
{
    CSkinBitmap fresh;
    fresh.Reset(BitmapWithKeys(6, 4, {{0, 0}}));
    ExpectRects(fresh.GetRegion(CSkinBitmap::kNoKey, &kWholeBitmap), {{0, 0, 6, 4}});

    CSkinBitmap shaped;
    shaped.Reset(BitmapWithKeys(6, 4, {{0, 0}}));
    HRGN first = shaped.GetRegion(kKey, &kWholeBitmap);
    HRGN again = shaped.GetRegion(CSkinBitmap::kNoKey, &kWholeBitmap);
    EXPECT_EQ(first, again);
    ExpectRects(again, {{1, 0, 6, 1}, {0, 1, 6, 4}});
}

TEST(SkinBitmapRegion, ADetachedRegionOutlivesTheBitmap)
{
    HRGN region = nullptr;
    {
        CSkinBitmap bitmap;
        bitmap.Reset(BitmapWithKeys(3, 3, {}));
        bitmap.GetRegion(kKey, &kWholeBitmap);
        region = bitmap.DetachRegion();
    }
    EXPECT_EQ(::GetObjectType(region), static_cast<DWORD>(OBJ_REGION));
    EXPECT_NE(::DeleteObject(region), FALSE);
}

TEST(SkinBitmapRegion, TheShippedSkinLosesExactlyItsSeventyOneCornerPixels)
{
    HMODULE setup = ui_support::LoadSetupResources();
    ASSERT_NE(setup, nullptr);
    win::Bitmap skin(static_cast<HBITMAP>(
        ::LoadImageW(setup, MAKEINTRESOURCEW(IDB_SKIN), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    ASSERT_FALSE(skin.IsNull());
    DIBSECTION section = {};
    ASSERT_EQ(::GetObjectW(skin, sizeof(section), &section), static_cast<int>(sizeof(section)));
    EXPECT_EQ(section.dsBm.bmWidth, 584);
    EXPECT_EQ(section.dsBm.bmHeight, 411);
    EXPECT_EQ(section.dsBm.bmBitsPixel, 24);

    win::Region fast(CreateRegionFromBitmap(skin, kKey));
    win::Region reference(CreateRegionRunByRun(skin, kKey));
    const std::vector<RECT> rects = RegionRects(fast);
    EXPECT_TRUE(SameRects(rects, RegionRects(reference)));

    // Every pixel outside the region is a corner pixel, and there are 71.
    long outside = 0;
    for (int y = 0; y < 411; ++y) {
        for (int x = 0; x < 584; ++x) {
            if (::PtInRegion(fast, x, y))
                continue;
            ++outside;
            EXPECT_TRUE(y <= 7 || y >= 403) << x << "," << y;
            EXPECT_TRUE(x <= 10 || x >= 573) << x << "," << y;
        }
    }
    EXPECT_EQ(outside, 71);
    ::FreeLibrary(setup);
}

namespace {

// A 32-bit picture to draw into, every pixel readable.
class Target {
public:
    Target(int width, int height, COLORREF fill) : m_dc(::CreateCompatibleDC(nullptr))
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        m_bitmap = ::CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        m_old = ::SelectObject(m_dc, m_bitmap);
        RECT all = {0, 0, width, height};
        HBRUSH brush = ::CreateSolidBrush(fill);
        ::FillRect(m_dc, &all, brush);
        ::DeleteObject(brush);
    }
    ~Target()
    {
        ::SelectObject(m_dc, m_old);
        ::DeleteObject(m_bitmap);
        ::DeleteDC(m_dc);
    }
    HDC DC() const { return m_dc; }
    COLORREF Pixel(int x, int y) const { return ::GetPixel(m_dc, x, y); }

private:
    HDC m_dc;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
};

std::vector<COLORREF> Pattern(int width, int height)
{
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back(RGB(x * 7 % 256, y * 11 % 256, (x * y) % 256));
    return pixels;
}

}  // namespace

TEST(SkinBitmapDrawing, DrawWithMarginsRefusesSizesWithoutAMiddle)
{
    const COLORREF sentinel = RGB(1, 2, 3);
    const SIZE margins = {5, 5};
    struct Case {
        int bitmapSide;
        int destinationSide;
        BOOL drawn;
    } cases[] = {{11, 10, FALSE}, {10, 11, FALSE}, {10, 10, FALSE}, {11, 11, TRUE}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bitmapSide * 100 + c.destinationSide);
        CSkinBitmap bitmap;
        bitmap.Reset(MakeBitmap(c.bitmapSide, c.bitmapSide, Pattern(c.bitmapSide, c.bitmapSide)));
        Target target(20, 20, sentinel);
        const RECT destination = {2, 2, 2 + c.destinationSide, 2 + c.destinationSide};
        EXPECT_EQ(bitmap.DrawWithMargins(target.DC(), &destination, &margins), c.drawn);
        bool touched = false;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x)
                touched = touched || target.Pixel(x, y) != sentinel;
        EXPECT_EQ(touched, c.drawn != FALSE);
    }
}

TEST(SkinBitmapDrawing, DrawWithMarginsAtTheBitmapsOwnSizeReproducesIt)
{
    const int width = 31;
    const int height = 17;
    const std::vector<COLORREF> pixels = Pattern(width, height);
    CSkinBitmap bitmap;
    bitmap.Reset(MakeBitmap(width, height, pixels));
    Target target(width + 6, height + 6, RGB(0, 0, 0));
    const RECT destination = {3, 3, 3 + width, 3 + height};
    const SIZE margins = {5, 4};
    ASSERT_TRUE(bitmap.DrawWithMargins(target.DC(), &destination, &margins));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            ASSERT_EQ(target.Pixel(3 + x, 3 + y), pixels[static_cast<size_t>(y * width + x)]) << x << "," << y;
}

TEST(SkinBitmapDrawing, DrawWithMarginsKeepsTheCornersWhenStretching)
{
    const int side = 12;
    const std::vector<COLORREF> pixels = Pattern(side, side);
    CSkinBitmap bitmap;
    bitmap.Reset(MakeBitmap(side, side, pixels));
    Target target(40, 30, RGB(0, 0, 0));
    const RECT destination = {0, 0, 40, 30};
    const SIZE margins = {3, 3};
    ASSERT_TRUE(bitmap.DrawWithMargins(target.DC(), &destination, &margins));
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(target.Pixel(x, y), pixels[static_cast<size_t>(y * side + x)]);
            EXPECT_EQ(target.Pixel(37 + x, 27 + y), pixels[static_cast<size_t>((9 + y) * side + 9 + x)]);
        }
    }
}

TEST(SkinBitmapDrawing, DrawAndSizeOfAnEmptyObject)
{
    CSkinBitmap empty;
    EXPECT_EQ(empty.GetSize().cx, 0);
    EXPECT_EQ(empty.GetSize().cy, 0);
    CSkinBitmap missing(MAKEINTRESOURCEW(4321));
    EXPECT_TRUE(missing.IsNull());

    CSkinBitmap pattern;
    pattern.Reset(MakeBitmap(4, 3, Pattern(4, 3)));
    Target target(10, 10, RGB(0, 0, 0));
    EXPECT_NE(pattern.Draw(target.DC(), 2, 5), FALSE);
    EXPECT_EQ(target.Pixel(2 + 3, 5 + 2), Pattern(4, 3)[2 * 4 + 3]);
    const RECT stretched = {0, 0, 8, 6};
    EXPECT_EQ(pattern.StretchDraw(target.DC(), &stretched), TRUE);
    EXPECT_EQ(target.Pixel(7, 5), Pattern(4, 3)[2 * 4 + 3]);
}
