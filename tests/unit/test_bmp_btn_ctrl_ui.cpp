// The bitmap button: which face each state shows, the check state, sizes,
// and owner drawing through real paints of a window on a display.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "controls/BmpBtnCtrl.h"
#include "resource.h"
#include "support/ui_support.h"
#include "win/DeviceContext.h"
#include "win/ResourceModule.h"

using Face = CBmpBtnCtrl::Face;
using ui_support::ParentWindow;
using ui_support::PumpMessages;
using ui_support::WindowPixel;

namespace {

const UINT ODS_NONE = 0;

TEST(BmpBtnFaceSelection, PushCheckAndRadioKinds)
{
    struct Case {
        int style;
        UINT itemState;
        int check;
        BOOL hover;
        Face expected;
    } cases[] = {
        // Push buttons never show the checked faces.
        {BS_PUSHBUTTON, ODS_NONE, 0, FALSE, Face::Normal},
        {BS_PUSHBUTTON, ODS_NONE, 1, FALSE, Face::Normal},
        {BS_DEFPUSHBUTTON, ODS_NONE, 0, TRUE, Face::Hover},
        {BS_PUSHBUTTON, ODS_SELECTED, 0, TRUE, Face::Pressed},
        {BS_PUSHBUTTON, ODS_DISABLED | ODS_SELECTED, 1, TRUE, Face::Disabled},
        // Check boxes and radio buttons: the check state comes before hover
        // and pressed, and only 1 counts as checked.
        {BS_AUTOCHECKBOX, ODS_NONE, 0, FALSE, Face::Normal},
        {BS_CHECKBOX, ODS_NONE, 1, TRUE, Face::Checked},
        {BS_AUTOCHECKBOX, ODS_SELECTED, 0, TRUE, Face::Hover},
        {BS_AUTOCHECKBOX, ODS_SELECTED, 0, FALSE, Face::Pressed},
        {BS_AUTOCHECKBOX, ODS_NONE, 2, FALSE, Face::Normal},
        {BS_AUTOCHECKBOX, ODS_DISABLED, 1, TRUE, Face::DisabledChecked},
        {BS_AUTOCHECKBOX, ODS_DISABLED, 2, TRUE, Face::Disabled},
        {BS_RADIOBUTTON, ODS_NONE, 1, FALSE, Face::Checked},
        {BS_AUTORADIOBUTTON, ODS_DISABLED, 0, FALSE, Face::Disabled},
        {BS_AUTORADIOBUTTON, ODS_SELECTED, 0, FALSE, Face::Pressed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "style " << c.style << " state " << c.itemState << " check " << c.check
                                        << " hover " << c.hover);
        EXPECT_EQ(CBmpBtnCtrl::ChooseFace(c.style, c.itemState, c.check, c.hover), c.expected);
    }
}

// The faces of setup.exe and a parent window holding buttons.
class BmpBtnCtrlTest : public testing::Test {
protected:
    // One parent window serves the whole suite: making a window visible on
    // the display takes Wine a while.
    static void SetUpTestSuite()
    {
        s_setup = ui_support::LoadSetupResources();
        win::SetResourceModule(s_setup);
        s_parent = new ParentWindow(400, 300, RGB(0, 128, 0));
    }
    static void TearDownTestSuite()
    {
        delete s_parent;
        win::SetResourceModule(nullptr);
        ::FreeLibrary(s_setup);
    }

    void SetUp() override
    {
        ASSERT_NE(s_setup, nullptr);
        s_parent->commands.clear();
    }
    void TearDown() override
    {
        for (const auto& button : m_buttons)
            ::DestroyWindow(*button);
    }

    // A button of that style subclassed by a CBmpBtnCtrl.
    CBmpBtnCtrl& AddButton(DWORD style, int x, int y, int width, int height, const wchar_t* text = L"")
    {
        HWND hWnd = s_parent->AddChild(L"BUTTON", text, style, 100 + static_cast<int>(m_buttons.size()), x, y,
                                      width, height);
        m_buttons.push_back(std::make_unique<CBmpBtnCtrl>());
        m_buttons.back()->SubclassWindow(hWnd);
        return *m_buttons.back();
    }

    // The pixels of a face bitmap as loaded from setup.exe.
    static COLORREF FacePixel(UINT id, int x, int y)
    {
        HBITMAP bitmap = ::LoadBitmapW(s_setup, MAKEINTRESOURCEW(id));
        win::MemoryDC memory(nullptr);
        HGDIOBJ old = ::SelectObject(memory, bitmap);
        const COLORREF color = ::GetPixel(memory, x, y);
        ::SelectObject(memory, old);
        ::DeleteObject(bitmap);
        return color;
    }

    // True when the button shows face id, pixel for pixel, with its top-left
    // corner at (0, offsetY) of the button.
    static bool ShowsFace(const CBmpBtnCtrl& button, UINT id, int offsetY = 0)
    {
        button.InvalidateRect(nullptr, FALSE);
        button.UpdateWindow();
        PumpMessages();
        HBITMAP bitmap = ::LoadBitmapW(s_setup, MAKEINTRESOURCEW(id));
        BITMAP size = {};
        ::GetObjectW(bitmap, sizeof(size), &size);
        win::MemoryDC memory(nullptr);
        HGDIOBJ old = ::SelectObject(memory, bitmap);
        // The button's pixels copied off the screen in one go.
        HDC screen = ::GetDC(button);
        win::MemoryDC shown(screen);
        HBITMAP copy = ::CreateCompatibleBitmap(screen, size.bmWidth, size.bmHeight);
        HGDIOBJ oldCopy = ::SelectObject(shown, copy);
        ::BitBlt(shown, 0, 0, size.bmWidth, size.bmHeight, screen, 0, offsetY, SRCCOPY);
        ::ReleaseDC(button, screen);
        bool same = size.bmWidth > 0;
        for (int y = 0; same && y < size.bmHeight; ++y)
            for (int x = 0; same && x < size.bmWidth; ++x)
                same = ::GetPixel(shown, x, y) == ::GetPixel(memory, x, y);
        ::SelectObject(shown, oldCopy);
        ::DeleteObject(copy);
        ::SelectObject(memory, old);
        ::DeleteObject(bitmap);
        return same;
    }

    static HMODULE s_setup;
    static ParentWindow* s_parent;
    std::vector<std::unique_ptr<CBmpBtnCtrl>> m_buttons;
};

HMODULE BmpBtnCtrlTest::s_setup = nullptr;
ParentWindow* BmpBtnCtrlTest::s_parent = nullptr;

TEST_F(BmpBtnCtrlTest, SetBitmapsCapturesTheKindOnceAndTurnsOnOwnerDrawing)
{
    CBmpBtnCtrl& check = AddButton(BS_AUTOCHECKBOX | WS_TABSTOP, 10, 10, 180, 20);
    EXPECT_EQ(check.GetButtonStyle(), CBmpBtnCtrl::kStyleUnknown);
    EXPECT_TRUE(check.SetBitmaps(IDB_CHECK_CLEAR, IDB_CHECK_CLEAR, IDB_CHECK_CLEAR, IDB_CHECK_TICKED, 0, 0));
    EXPECT_EQ(check.GetButtonStyle(), BS_AUTOCHECKBOX);
    EXPECT_EQ(check.GetStyle() & BS_TYPEMASK, BS_OWNERDRAW);
    EXPECT_NE(check.GetStyle() & WS_TABSTOP, 0);
    // The second call sees an owner-drawn button but keeps the first kind.
    EXPECT_TRUE(check.SetBitmaps(IDB_CHECK_CLEAR, 0, 0, IDB_CHECK_TICKED, 0, 0));
    EXPECT_EQ(check.GetButtonStyle(), BS_AUTOCHECKBOX);

    CBmpBtnCtrl& missing = AddButton(BS_PUSHBUTTON, 10, 40, 50, 20);
    EXPECT_FALSE(missing.SetBitmaps(4321, IDB_BUTTON_PRESSED, 0, 0, 0, 0));
    EXPECT_FALSE(missing.SetBitmaps(IDB_BUTTON_NORMAL, 4321, IDB_BUTTON_HOVER, 0, 0, 0));
    EXPECT_TRUE(missing.SetBitmaps(IDB_BUTTON_NORMAL, 0, 0, 0, 0, 0));
}

TEST_F(BmpBtnCtrlTest, FitToBitmapSizesPlacesAndWidensCheckBoxesEachTime)
{
    CBmpBtnCtrl& push = AddButton(BS_PUSHBUTTON, 5, 6, 50, 20);
    push.SetBitmaps(IDB_BUTTON_NORMAL, IDB_BUTTON_PRESSED, IDB_BUTTON_HOVER, 0, 0, 0);
    push.FitToBitmap(0, 0);  // only resizes
    RECT rect = {};
    push.GetWindowRect(&rect);
    ::MapWindowPoints(nullptr, s_parent->Handle(), reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, 5);
    EXPECT_EQ(rect.top, 6);
    EXPECT_EQ(rect.right - rect.left, 111);
    EXPECT_EQ(rect.bottom - rect.top, 22);
    push.FitToBitmap(70, 80);
    push.GetWindowRect(&rect);
    ::MapWindowPoints(nullptr, s_parent->Handle(), reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, 70);
    EXPECT_EQ(rect.top, 80);

    CBmpBtnCtrl& check = AddButton(BS_AUTOCHECKBOX, 10, 10, 180, 20);
    check.SetBitmaps(IDB_CHECK_CLEAR, IDB_CHECK_CLEAR, IDB_CHECK_CLEAR, IDB_CHECK_TICKED, 0, 0);
    const int menuCheck = ::GetSystemMetrics(SM_CXMENUCHECK);
    check.FitToBitmap(200, 235);
    check.GetClientRect(&rect);
    const int firstWidth = 21 + (180 - menuCheck) + 2;
    EXPECT_EQ(rect.right, firstWidth);
    EXPECT_EQ(rect.bottom, 24 + 4);
    check.FitToBitmap(200, 235);
    check.GetClientRect(&rect);
    EXPECT_EQ(rect.right, 21 + (firstWidth - menuCheck) + 2);
}

TEST_F(BmpBtnCtrlTest, APushButtonWithAKeyColourTakesTheOutlineOfItsFace)
{
    CBmpBtnCtrl& push = AddButton(BS_PUSHBUTTON, 5, 6, 50, 20);
    push.SetBitmaps(IDB_BUTTON_NORMAL, 0, 0, 0, 0, 0);
    push.FitToBitmap(0, 0);
    HRGN probe = ::CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(::GetWindowRgn(push, probe), ERROR);  // no key: stays rectangular
    const RECT whole = {0, 0, 0, 0};
    // The face's own top-left pixel as the key: that corner is cut away.
    push.SetTransparentColor(FacePixel(IDB_BUTTON_NORMAL, 0, 0), whole);
    push.FitToBitmap(0, 0);
    EXPECT_NE(::GetWindowRgn(push, probe), ERROR);
    EXPECT_FALSE(::PtInRegion(probe, 0, 0));
    EXPECT_TRUE(::PtInRegion(probe, 55, 11));
    ::DeleteObject(probe);
}

TEST_F(BmpBtnCtrlTest, SetCheckIsIgnoredWhileDisabled)
{
    CBmpBtnCtrl& check = AddButton(BS_AUTOCHECKBOX, 10, 10, 180, 20);
    check.SetBitmaps(IDB_CHECK_CLEAR, IDB_CHECK_CLEAR, IDB_CHECK_CLEAR, IDB_CHECK_TICKED, 0, 0);
    check.EnableWindow(FALSE);
    check.SetCheck(1);
    EXPECT_EQ(check.GetCheck(), 0);
    check.EnableWindow(TRUE);
    check.SetCheck(1);
    EXPECT_EQ(check.GetCheck(), 1);
}

TEST_F(BmpBtnCtrlTest, AClickFlipsACheckBoxAndLeavesARadioButtonSetAndReachesTheParent)
{
    CBmpBtnCtrl& check = AddButton(BS_AUTOCHECKBOX, 10, 10, 180, 24);
    check.SetBitmaps(IDB_CHECK_CLEAR, IDB_CHECK_CLEAR, IDB_CHECK_CLEAR, IDB_CHECK_TICKED, 0, 0);
    CBmpBtnCtrl& radio = AddButton(BS_AUTORADIOBUTTON, 10, 50, 180, 24);
    radio.SetBitmaps(IDB_CHECK_CLEAR, IDB_CHECK_CLEAR, IDB_CHECK_CLEAR, IDB_CHECK_TICKED, 0, 0);
    CBmpBtnCtrl& push = AddButton(BS_PUSHBUTTON, 10, 90, 111, 22);
    push.SetBitmaps(IDB_BUTTON_NORMAL, IDB_BUTTON_PRESSED, IDB_BUTTON_HOVER, 0, 0, 0);

    check.SendMessage(BM_CLICK);
    EXPECT_EQ(check.GetCheck(), 1);
    check.SendMessage(BM_CLICK);
    EXPECT_EQ(check.GetCheck(), 0);
    radio.SendMessage(BM_CLICK);
    radio.SendMessage(BM_CLICK);
    EXPECT_EQ(radio.GetCheck(), 1);
    push.SendMessage(BM_CLICK);
    EXPECT_EQ(push.GetCheck(), 0);
    PumpMessages();

    ASSERT_EQ(s_parent->commands.size(), 5u);
    EXPECT_EQ(s_parent->commands.back(), MAKEWPARAM(push.GetDlgCtrlID(), BN_CLICKED));
}

TEST_F(BmpBtnCtrlTest, OwnerDrawingShowsTheFaceOfEachState)
{
    CBmpBtnCtrl& push = AddButton(BS_PUSHBUTTON, 10, 10, 50, 20);
    push.SetBitmaps(IDB_BUTTON_NORMAL, IDB_BUTTON_PRESSED, IDB_BUTTON_HOVER, 0, 0, 0);
    push.FitToBitmap(0, 0);
    EXPECT_TRUE(ShowsFace(push, IDB_BUTTON_NORMAL));
    EXPECT_FALSE(ShowsFace(push, IDB_BUTTON_HOVER));
    push.SendMessage(WM_MOUSEHOVER);
    EXPECT_TRUE(ShowsFace(push, IDB_BUTTON_HOVER));
    push.SendMessage(BM_SETSTATE, TRUE);  // held down: pressed beats hover
    EXPECT_TRUE(ShowsFace(push, IDB_BUTTON_PRESSED));
    push.SendMessage(BM_SETSTATE, FALSE);
    push.SendMessage(WM_MOUSELEAVE);
    EXPECT_TRUE(ShowsFace(push, IDB_BUTTON_NORMAL));

    CBmpBtnCtrl& close = AddButton(BS_PUSHBUTTON, 10, 40, 50, 20);
    close.SetBitmaps(IDB_CLOSE_NORMAL, IDB_CLOSE_NORMAL, IDB_CLOSE_HOVER, 0, IDB_CLOSE_DISABLED, 0);
    close.FitToBitmap(0, 0);
    EXPECT_TRUE(ShowsFace(close, IDB_CLOSE_NORMAL));
    close.EnableWindow(FALSE);
    EXPECT_TRUE(ShowsFace(close, IDB_CLOSE_DISABLED));

    // The check box: face centred at the left on the panel colour; a missing
    // hover face falls back to the normal one.
    CBmpBtnCtrl& check = AddButton(BS_AUTOCHECKBOX, 10, 80, 180, 20, L"Launch");
    check.SetBitmaps(IDB_CHECK_CLEAR, 0, 0, IDB_CHECK_TICKED, 0, 0);
    check.FitToBitmap(10, 80);
    EXPECT_TRUE(ShowsFace(check, IDB_CHECK_CLEAR, 2));
    check.SendMessage(WM_MOUSEHOVER);
    EXPECT_TRUE(ShowsFace(check, IDB_CHECK_CLEAR, 2));
    EXPECT_FALSE(ShowsFace(check, IDB_CHECK_TICKED, 2));
    check.SetCheck(1);
    EXPECT_TRUE(ShowsFace(check, IDB_CHECK_TICKED, 2));
    RECT client = {};
    check.GetClientRect(&client);
    EXPECT_EQ(WindowPixel(check, client.right - 2, 1), static_cast<COLORREF>(0x00AD5D47));
}

TEST_F(BmpBtnCtrlTest, ATooltipTakesItsTextFromTheResourcesOnHover)
{
    CBmpBtnCtrl& push = AddButton(BS_PUSHBUTTON, 10, 10, 111, 22);
    push.SetBitmaps(IDB_BUTTON_NORMAL, 0, 0, 0, 0, 0);
    // setup.exe keeps no strings; the system's user32 has a table to borrow.
    HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    wchar_t expected[256] = {};
    UINT textId = 1;
    while (textId < 5000 && ::LoadStringW(user32, textId, expected, 256) == 0)
        ++textId;
    ASSERT_LT(textId, 5000u);
    win::SetResourceModule(user32);
    EXPECT_TRUE(push.SetTooltipText(textId));
    ASSERT_TRUE(push.GetToolTip().IsWindow());
    EXPECT_EQ(push.GetToolTip().GetText(push), L"");
    push.SendMessage(WM_MOUSEHOVER);
    win::SetResourceModule(s_setup);
    EXPECT_EQ(push.GetToolTip().GetText(push), std::wstring(expected).substr(0, 79));
    MSG move = {push.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3), 0, {}};
    EXPECT_FALSE(push.PreTranslateMessage(&move));  // relayed, not consumed
}

TEST_F(BmpBtnCtrlTest, AKindTheClassDoesNotDrawStaysBlank)
{
    CBmpBtnCtrl& leftText = AddButton(BS_AUTOCHECKBOX | BS_LEFTTEXT, 10, 10, 180, 24);
    leftText.SetBitmaps(IDB_CHECK_CLEAR, 0, 0, IDB_CHECK_TICKED, 0, 0);
    EXPECT_EQ(leftText.GetButtonStyle(), BS_AUTOCHECKBOX | BS_LEFTTEXT);
    EXPECT_EQ(leftText.GetStyle() & BS_TYPEMASK, BS_OWNERDRAW);
    leftText.InvalidateRect(nullptr, FALSE);
    leftText.UpdateWindow();
    PumpMessages();
    EXPECT_NE(WindowPixel(leftText, 5, 12), FacePixel(IDB_CHECK_CLEAR, 5, 12 - 2));
    EXPECT_NE(WindowPixel(leftText, 100, 5), static_cast<COLORREF>(0x00AD5D47));
}

}  // namespace
