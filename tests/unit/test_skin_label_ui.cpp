// The label: text formats, fonts, gradient bands, transparent and flashing
// painting over a real parent on a display, and link clicks.
#include <gtest/gtest.h>
#include <windows.h>

#include <cwchar>
#include <memory>
#include <string>
#include <vector>

#include "controls/LabelGradient.h"
#include "controls/SkinLabel.h"
#include "support/ui_support.h"
#include "win/DeviceContext.h"

using ui_support::ParentWindow;
using ui_support::PumpMessages;

namespace {

const COLORREF kParentColor = RGB(0, 128, 0);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kBlue = RGB(0, 0, 200);

TEST(SkinLabelFormat, StyleAndTextGiveTheDrawTextFormat)
{
    struct Case {
        LONG_PTR style;
        const wchar_t* text;
        UINT expected;
    } cases[] = {
        {SS_LEFT, L"plain", DT_WORDBREAK},
        {SS_CENTER, L"centred", DT_CENTER | DT_WORDBREAK},
        {SS_RIGHT, L"right", DT_RIGHT | DT_WORDBREAK},
        {SS_LEFTNOWORDWRAP, L"no wrap", DT_LEFT},
        {SS_SIMPLE, L"simple", DT_WORDBREAK},
        {SS_LEFT, L"a\ttab", 0x50},
        {SS_LEFTNOWORDWRAP, L"a\ttab", DT_EXPANDTABS},
        {SS_LEFT | SS_CENTERIMAGE, L"one line", 0x25},
        {SS_LEFT | SS_CENTERIMAGE, L"two\r\nlines\twith tab", DT_CENTER},
        {SS_RIGHT | SS_CENTERIMAGE | WS_VISIBLE, L"tab\there", DT_CENTER | DT_VCENTER | DT_SINGLELINE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "style " << c.style);
        EXPECT_EQ(CSkinLabel::TextFormat(c.style, c.text), c.expected);
    }
}

TEST(SkinLabelGradient, AtMostOneHundredBandsTheLastReachingTheEdge)
{
    const std::vector<GradientBand> narrow = ComputeGradientBands(0, 50, RGB(0, 0, 0), RGB(100, 50, 250));
    ASSERT_EQ(narrow.size(), 50u);
    for (size_t i = 0; i < narrow.size(); ++i) {
        EXPECT_EQ(narrow[i].left, static_cast<int>(i));
        EXPECT_EQ(narrow[i].right, static_cast<int>(i) + 1);
    }
    EXPECT_EQ(narrow.front().color, RGB(0, 0, 0));
    EXPECT_EQ(narrow[1].color, RGB(2, 1, 5));

    const std::vector<GradientBand> wide = ComputeGradientBands(10, 260, RGB(0, 0, 0), RGB(255, 255, 255));
    ASSERT_EQ(wide.size(), 100u);
    for (size_t i = 0; i + 1 < wide.size(); ++i)
        EXPECT_EQ(wide[i].right - wide[i].left, 2);
    EXPECT_EQ(wide.back().left, 10 + 198);
    EXPECT_EQ(wide.back().right - wide.back().left, 52);
    // Stepped in 256ths: the last band falls short of the end colour.
    EXPECT_EQ(wide.back().color, RGB(252, 252, 252));

    // Falling channels step down and truncate toward zero.
    const std::vector<GradientBand> falling = ComputeGradientBands(0, 3, RGB(10, 0, 0), RGB(0, 0, 0));
    ASSERT_EQ(falling.size(), 3u);
    EXPECT_EQ(falling[1].color, RGB(6, 0, 0));
    EXPECT_TRUE(ComputeGradientBands(5, 5, kBlack, kWhite).empty());
    EXPECT_EQ(ComputeGradientBands(0, 1, kBlue, kWhite).size(), 1u);
}

// A label that records the links it would open instead of opening them.
class RecordingLabel : public CSkinLabel {
public:
    struct Opened {
        std::wstring verb;
        std::wstring target;
        bool noVerb;
    };
    std::vector<Opened> opened;

protected:
    void OpenLink(const wchar_t* verb, const wchar_t* target) override
    {
        opened.push_back(Opened{verb != nullptr ? verb : L"", target, verb == nullptr});
    }
};

class SkinLabelTest : public testing::Test {
protected:
    // One parent for the suite: making a window visible takes Wine a while.
    static void SetUpTestSuite() { s_parent = new ParentWindow(400, 300, kParentColor); }
    static void TearDownTestSuite() { delete s_parent; }

    void SetUp() override { s_parent->notifications.clear(); }
    void TearDown() override
    {
        for (HWND hWnd : m_windows)
            ::DestroyWindow(hWnd);
    }

    RecordingLabel& AddLabel(const wchar_t* text, DWORD style, int x, int y, int width, int height)
    {
        HWND hWnd = s_parent->AddChild(L"STATIC", text, style, 200 + static_cast<int>(m_windows.size()), x, y,
                                       width, height);
        m_windows.push_back(hWnd);
        m_labels.push_back(std::make_unique<RecordingLabel>());
        m_labels.back()->SubclassWindow(hWnd);
        return *m_labels.back();
    }

    // The label's pixels as they are on screen, row by row.
    static std::vector<COLORREF> Shown(const CSkinLabel& label)
    {
        PumpMessages();
        RECT client = {};
        label.GetClientRect(&client);
        HDC screen = ::GetDC(label);
        win::MemoryDC copy(screen);
        HBITMAP bitmap = ::CreateCompatibleBitmap(screen, client.right, client.bottom);
        HGDIOBJ old = ::SelectObject(copy, bitmap);
        ::BitBlt(copy, 0, 0, client.right, client.bottom, screen, 0, 0, SRCCOPY);
        ::ReleaseDC(label, screen);
        std::vector<COLORREF> pixels;
        for (int y = 0; y < client.bottom; ++y)
            for (int x = 0; x < client.right; ++x)
                pixels.push_back(::GetPixel(copy, x, y));
        ::SelectObject(copy, old);
        ::DeleteObject(bitmap);
        return pixels;
    }

    static size_t Count(const std::vector<COLORREF>& pixels, COLORREF color)
    {
        size_t count = 0;
        for (COLORREF pixel : pixels)
            count += pixel == color ? 1 : 0;
        return count;
    }

    static ParentWindow* s_parent;
    std::vector<HWND> m_windows;
    std::vector<std::unique_ptr<RecordingLabel>> m_labels;
};

ParentWindow* SkinLabelTest::s_parent = nullptr;

TEST_F(SkinLabelTest, TheWizardsChainConfiguresTextColourFontAndTransparency)
{
    CSkinLabel& label = AddLabel(L"", SS_LEFT, 10, 10, 300, 30);
    label.SetText(L"Quorvel - Installation Wizard")
        .SetTextColor(RGB(85, 0, 0))
        .SetFontName(L"Arial", 0)
        .SetFontSize(11)
        .SetFontBold(TRUE)
        .SetTransparent(TRUE);
    EXPECT_EQ(label.GetText(), L"Quorvel - Installation Wizard");
    const LOGFONTW& font = label.GetLogFont();
    EXPECT_STREQ(font.lfFaceName, L"Arial");
    EXPECT_EQ(font.lfCharSet, 0);
    EXPECT_EQ(font.lfWeight, FW_BOLD);
    EXPECT_EQ(font.lfWidth, 0);
    HDC screen = ::GetDC(nullptr);
    const int dotsPerInch = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    ASSERT_EQ(dotsPerInch, 96);
    EXPECT_EQ(font.lfHeight, -14);
    EXPECT_NE(label.GetFont(), nullptr);
    EXPECT_NE(label.GetExStyle() & WS_EX_TRANSPARENT, 0);

    // A label without a window ignores SetText.
    CSkinLabel detached;
    detached.SetText(L"nothing");
    EXPECT_EQ(detached.GetText(), L"");
}

TEST_F(SkinLabelTest, ALongFaceNameIsCutToTheThirtyOneCharactersALogFontHolds)
{
    CSkinLabel& label = AddLabel(L"text", SS_LEFT, 10, 10, 100, 20);
    const wchar_t* longName = L"An Extraordinarily Long Typeface Name That Does Not Fit";
    label.SetFontName(longName, DEFAULT_CHARSET).SetFontSize(9);
    const LOGFONTW& font = label.GetLogFont();
    EXPECT_EQ(std::wstring(font.lfFaceName), std::wstring(longName, 31));
    EXPECT_EQ(font.lfHeight, -12);  // the fields around the name are intact
    EXPECT_NE(label.GetFont(), nullptr);
}

TEST_F(SkinLabelTest, ATransparentLabelLeavesTheParentsPixelsAndAnOpaqueOnePaintsItsBackground)
{
    CSkinLabel& label = AddLabel(L"", SS_LEFT, 20, 20, 60, 20);
    label.SetBackgroundColor(kBlue).SetTransparent(TRUE);
    std::vector<COLORREF> pixels = Shown(label);
    EXPECT_EQ(Count(pixels, kParentColor), pixels.size());

    label.SetTransparent(FALSE);
    pixels = Shown(label);
    EXPECT_EQ(Count(pixels, kBlue), pixels.size());
    EXPECT_NE(label.GetExStyle() & WS_EX_TRANSPARENT, 0);

    // White text over the parent: text pixels, the rest still the parent's.
    label.SetText(L"WWW").SetTextColor(kWhite).SetFontSize(14).SetTransparent(TRUE);
    pixels = Shown(label);
    EXPECT_GT(Count(pixels, kWhite), 0u);
    EXPECT_GT(Count(pixels, kParentColor), pixels.size() / 2);
    EXPECT_EQ(Count(pixels, kBlue), 0u);
}

TEST_F(SkinLabelTest, AGradientBackgroundPaintsItsBandsAboveTheBottomRow)
{
    CSkinLabel& label = AddLabel(L"", SS_LEFT, 20, 60, 50, 10);
    label.SetBackgroundColor(RGB(0, 0, 0), RGB(100, 200, 250), TRUE);
    const std::vector<COLORREF> pixels = Shown(label);
    const std::vector<GradientBand> bands = ComputeGradientBands(0, 50, RGB(0, 0, 0), RGB(100, 200, 250));
    for (int x = 0; x < 50; ++x) {
        EXPECT_EQ(pixels[static_cast<size_t>(x)], bands[static_cast<size_t>(x)].color) << x;
        EXPECT_EQ(pixels[static_cast<size_t>(8 * 50 + x)], bands[static_cast<size_t>(x)].color) << x;
    }
}

TEST_F(SkinLabelTest, BackgroundFlashingAlternatesBetweenItsColourAndTheParentsLook)
{
    CSkinLabel& label = AddLabel(L"", SS_LEFT, 20, 100, 40, 16);
    label.SetBackgroundColor(kBlue).SetBackgroundFlashing(TRUE);
    label.SendMessage(WM_TIMER, CSkinLabel::kFlashTimer);  // on phase
    std::vector<COLORREF> pixels = Shown(label);
    EXPECT_EQ(Count(pixels, kBlue), pixels.size());
    label.SendMessage(WM_TIMER, CSkinLabel::kFlashTimer);  // off phase
    pixels = Shown(label);
    EXPECT_EQ(Count(pixels, kParentColor), pixels.size());
    // Stopped, the background is back for good.
    label.SetBackgroundFlashing(FALSE);
    pixels = Shown(label);
    EXPECT_EQ(Count(pixels, kBlue), pixels.size());
}

TEST_F(SkinLabelTest, TextFlashingWithoutAnOwnBrushDrawsTheTextBlackInTheOffPhase)
{
    CSkinLabel& label = AddLabel(L"WWW", SS_LEFT, 20, 130, 80, 30);
    label.SetTextColor(kWhite).SetFontSize(16).SetFontBold(TRUE).SetTransparent(TRUE).SetTextFlashing(TRUE);
    label.SendMessage(WM_TIMER, CSkinLabel::kFlashTimer);
    std::vector<COLORREF> pixels = Shown(label);
    EXPECT_GT(Count(pixels, kWhite), 0u);
    EXPECT_EQ(Count(pixels, kBlack), 0u);
    label.SendMessage(WM_TIMER, CSkinLabel::kFlashTimer);
    pixels = Shown(label);
    EXPECT_EQ(Count(pixels, kWhite), 0u);
    EXPECT_GT(Count(pixels, kBlack), 0u);
}

TEST_F(SkinLabelTest, OffsetAndRotatedTextAreDrawn)
{
    CSkinLabel& raised = AddLabel(L"WWW", SS_LEFT, 120, 10, 80, 30);
    raised.SetTextColor(kBlack).SetOffsetTextColor(kWhite).SetFontSize(16).SetFontBold(TRUE).SetTransparent(TRUE);
    raised.SetOffsetText(TRUE, TRUE);
    std::vector<COLORREF> pixels = Shown(raised);
    EXPECT_GT(Count(pixels, kBlack), 0u);
    EXPECT_GT(Count(pixels, kWhite), 0u);

    CSkinLabel& rotated = AddLabel(L"WWW", SS_LEFT, 220, 10, 60, 80);
    rotated.SetTextColor(kWhite).SetFontName(L"Arial", 0).SetFontSize(14).SetTransparent(TRUE);
    rotated.SetTextAngle(90, TRUE);
    EXPECT_EQ(rotated.GetLogFont().lfEscapement, 900);
    EXPECT_EQ(rotated.GetLogFont().lfOrientation, 900);
    pixels = Shown(rotated);
    EXPECT_GT(Count(pixels, kWhite), 0u);
}

TEST_F(SkinLabelTest, LinkClicksOpenTheWebOrMailTargetOrOnlyNotifyTheParent)
{
    RecordingLabel& web = AddLabel(L"https://www.example.com/raid", SS_LEFT, 10, 200, 200, 16);
    web.SetWebLink(TRUE);
    EXPECT_NE(web.GetStyle() & SS_NOTIFY, 0);
    web.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    web.SetLinkTarget(L"https://support.example.com/");
    web.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    ASSERT_EQ(web.opened.size(), 2u);
    EXPECT_EQ(web.opened[0].verb, L"open");
    EXPECT_EQ(web.opened[0].target, L"https://www.example.com/raid");
    EXPECT_EQ(web.opened[1].target, L"https://support.example.com/");

    RecordingLabel& mail = AddLabel(L"admin@example.com", SS_LEFT, 10, 220, 200, 16);
    mail.SetMailtoLink(TRUE).SetLinkTarget(L"ignored@example.com");
    mail.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    ASSERT_EQ(mail.opened.size(), 1u);
    EXPECT_TRUE(mail.opened[0].noVerb);
    EXPECT_EQ(mail.opened[0].target, L"mailto:admin@example.com");
    // Turned into a plain label: no clicks, nothing opened.
    mail.SetWebLink(FALSE);
    EXPECT_EQ(mail.GetStyle() & SS_NOTIFY, 0);
    mail.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    EXPECT_EQ(mail.opened.size(), 1u);

    RecordingLabel& notifying = AddLabel(L"https://www.example.com/", SS_LEFT, 10, 240, 200, 16);
    notifying.SetWebLink(TRUE, TRUE);
    notifying.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    EXPECT_TRUE(notifying.opened.empty());
    ASSERT_EQ(s_parent->notifications.size(), 1u);
    EXPECT_EQ(s_parent->notifications[0].code, NM_LABEL_CLICK);
    EXPECT_EQ(s_parent->notifications[0].code, 0x8200u);
    EXPECT_EQ(s_parent->notifications[0].hwndFrom, notifying.Handle());
    EXPECT_EQ(s_parent->notifications[0].idFrom, static_cast<UINT_PTR>(notifying.GetDlgCtrlID()));
}

TEST_F(SkinLabelTest, AHoverCursorIsShownOverTheLabel)
{
    CSkinLabel& label = AddLabel(L"link", SS_LEFT | SS_NOTIFY, 10, 270, 100, 16);
    EXPECT_EQ(label.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(label.Handle()), HTCLIENT), FALSE);
    HCURSOR hand = ::LoadCursorW(nullptr, IDC_HAND);
    label.SetHoverCursor(hand);
    EXPECT_EQ(label.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(label.Handle()), HTCLIENT), TRUE);
    EXPECT_EQ(::GetCursor(), hand);
}

}  // namespace
