// The owners of GDI objects and device contexts, the selection scope guard
// and the progress bar wrapper.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <utility>

#include "support/ui_support.h"
#include "win/DCSelection.h"
#include "win/DeviceContext.h"
#include "win/GdiObject.h"
#include "win/ProgressCtrl.h"

namespace {

bool Exists(HGDIOBJ object)
{
    return ::GetObjectType(object) != 0;
}

TEST(GdiObject, DeletesWhatItOwnsOnceAndHandsOverOnMoveOrDetach)
{
    HBRUSH brush = ::CreateSolidBrush(RGB(1, 2, 3));
    {
        win::Brush owner(brush);
        win::Brush moved(std::move(owner));
        EXPECT_TRUE(owner.IsNull());
        EXPECT_EQ(moved.Get(), brush);
        win::Brush assigned;
        assigned = std::move(moved);
        EXPECT_TRUE(moved.IsNull());
        EXPECT_TRUE(Exists(brush));
    }
    EXPECT_FALSE(Exists(brush));

    HRGN region = ::CreateRectRgn(0, 0, 5, 5);
    {
        win::Region owner(region);
        EXPECT_EQ(owner.Detach(), region);
    }
    EXPECT_TRUE(Exists(region));
    ::DeleteObject(region);

    HFONT first = ::CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial");
    HFONT second = ::CreateFontW(-14, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial");
    win::Font font(first);
    font.Reset(second);
    EXPECT_FALSE(Exists(first));
    font.Reset(second);  // the same object again: kept, not deleted
    EXPECT_TRUE(Exists(second));
}

TEST(DCSelection, PutsBackWhatWasSelectedBefore)
{
    win::MemoryDC dc(nullptr);
    ASSERT_FALSE(dc.IsNull());
    const HGDIOBJ fontBefore = ::GetCurrentObject(dc, OBJ_FONT);
    const HGDIOBJ brushBefore = ::GetCurrentObject(dc, OBJ_BRUSH);
    const HGDIOBJ bitmapBefore = ::GetCurrentObject(dc, OBJ_BITMAP);
    const HGDIOBJ penBefore = ::GetCurrentObject(dc, OBJ_PEN);
    const COLORREF textBefore = ::GetTextColor(dc);
    const int modeBefore = ::GetBkMode(dc);

    win::Font font(::CreateFontW(-12, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial"));
    win::Brush brush(::CreateSolidBrush(RGB(9, 9, 9)));
    win::Bitmap bitmap(::CreateBitmap(4, 4, 1, 32, nullptr));
    win::Pen pen(::CreatePen(PS_SOLID, 1, RGB(5, 5, 5)));
    {
        win::DCSelection selection(dc);
        selection.Font(font);
        selection.Brush(brush);
        selection.Bitmap(bitmap);
        selection.Pen(pen);
        selection.TextColor(RGB(200, 100, 50));
        selection.BkMode(TRANSPARENT == modeBefore ? OPAQUE : TRANSPARENT);
        selection.TextColor(RGB(1, 1, 1));  // changed twice: the first old value counts
        EXPECT_EQ(::GetCurrentObject(dc, OBJ_FONT), font.Get());
        EXPECT_EQ(::GetCurrentObject(dc, OBJ_BITMAP), bitmap.Get());
    }
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_FONT), fontBefore);
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_BRUSH), brushBefore);
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_BITMAP), bitmapBefore);
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_PEN), penBefore);
    EXPECT_EQ(::GetTextColor(dc), textBefore);
    EXPECT_EQ(::GetBkMode(dc), modeBefore);
    // Deselected, so the owners can delete them.
    HBITMAP handle = bitmap.Get();
    bitmap.Reset();
    EXPECT_FALSE(Exists(handle));
}

TEST(MemoryDC, IsDeletedOnceAndMovable)
{
    HDC handle = nullptr;
    {
        win::MemoryDC first(nullptr);
        handle = first.Get();
        win::MemoryDC second(std::move(first));
        EXPECT_TRUE(first.IsNull());
        EXPECT_EQ(second.Get(), handle);
        EXPECT_EQ(::GetObjectType(handle), static_cast<DWORD>(OBJ_MEMDC));
    }
    EXPECT_EQ(::GetObjectType(handle), 0u);
}

TEST(ProgressCtrl, RangeStepPositionAndStepping)
{
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_PROGRESS_CLASS};
    ASSERT_TRUE(::InitCommonControlsEx(&controls));
    ui_support::ParentWindow parent(200, 100, RGB(0, 0, 0));
    HWND bar = parent.AddChild(PROGRESS_CLASSW, L"", WS_BORDER, 1003, 5, 5, 150, 20);
    win::ProgressCtrl progress;
    ASSERT_TRUE(progress.SubclassWindow(bar));
    progress.SetRange(0, 100);
    EXPECT_EQ(progress.SetStep(10), 10);  // the old step, 10 by default
    EXPECT_EQ(progress.SetPos(30), 0);
    EXPECT_EQ(progress.StepIt(), 30);
    EXPECT_EQ(progress.GetPos(), 40);
    progress.SetPos(95);
    progress.StepIt();
    EXPECT_EQ(progress.GetPos(), 5);  // past the end the bar wraps around to the start
}

}  // namespace
