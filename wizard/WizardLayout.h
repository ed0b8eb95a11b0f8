#pragma once
#include <windows.h>

// Where the wizard's controls lie on the skin, in pixels of the client area.
// Widths and right-hand places are given against the client width, which is
// the skin's width (584 for the shipped skin, 411 high): the title in the
// title bar (rows 1 to 29), the heading in the dark band (rows 44 to 90), the
// body, check box and progress bar in the content panel (columns 190 to 571,
// rows 93 to 369), the buttons in the bottom bar (rows 377 to 408).

constexpr int kTitleX = 14;
constexpr int kTitleY = 7;
constexpr int kTitleWidthLess = 60;
// An 11-point bold line is 16 to 17 pixels high: 15 would cut the
// descenders off. 20 still ends inside the title bar.
constexpr int kTitleHeight = 20;

constexpr int kHeadingX = 35;
constexpr int kHeadingY = 55;
constexpr int kHeadingWidthLess = 70;
constexpr int kHeadingHeight = 35;

constexpr int kBodyX = 200;
constexpr int kBodyY = 170;
constexpr int kBodyWidthLess = 230;
constexpr int kBodyHeight = 60;

constexpr int kCloseFromRight = 32;
constexpr int kCloseY = 11;

// The action and Finish buttons share one place; Cancel lies right of it.
constexpr int kActionFromRight = 272;
constexpr int kCancelFromRight = 133;
constexpr int kButtonRowY = 380;

// The check box and the progress bar share one row.
constexpr int kProgressRowY = 235;
constexpr int kCheckX = 200;
constexpr int kProgressX = 205;
constexpr int kProgressWidthLess = 245;
constexpr int kProgressHeight = 30;

// Colours (0x00BBGGRR) and point sizes of the three labels' bold Arial.
constexpr COLORREF kTitleTextColor = RGB(85, 0, 0);
constexpr COLORREF kBandTextColor = RGB(255, 255, 255);
constexpr int kTitlePointSize = 11;
constexpr int kHeadingPointSize = 10;
constexpr int kBodyPointSize = 9;

// The skin's key colour: its pixels of exactly this colour lie outside the window.
constexpr COLORREF kSkinKeyColor = RGB(255, 0, 255);
