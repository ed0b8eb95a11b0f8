#pragma once
#include <windows.h>

#include <vector>

// One vertical band of a label's horizontal gradient: columns left to
// right - 1 in one colour.
struct GradientBand {
    int left;
    int right;
    COLORREF color;
};

// The bands of a gradient from colour `from` at the left edge towards `to`
// over the columns left to right - 1: at most 100 bands, each channel stepped
// in fixed point (256ths), the last band reaching the right edge.
std::vector<GradientBand> ComputeGradientBands(int left, int right, COLORREF from, COLORREF to);

// Paints those bands over rows top to bottom - 2 of the rectangle (the
// bottom row keeps what was there) with the null pen.
void DrawGradient(HDC dc, const RECT& rect, COLORREF from, COLORREF to);
