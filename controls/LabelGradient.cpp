#include "controls/LabelGradient.h"

#include <algorithm>

#include "win/DCSelection.h"
#include "win/GdiObject.h"

namespace {

const int kMaxBands = 100;
// Channel values are stepped in 256ths so that rounding does not pile up.
const int kFixedPointOne = 256;

}  // namespace

std::vector<GradientBand> ComputeGradientBands(int left, int right, COLORREF from, COLORREF to)
{
    std::vector<GradientBand> bands;
    const int width = right - left;
    const int count = std::min(kMaxBands, width);
    if (count <= 0)
        return bands;
    const int divisor = count > 1 ? count : 1;

    const int start[3] = {GetRValue(from), GetGValue(from), GetBValue(from)};
    const int end[3] = {GetRValue(to), GetGValue(to), GetBValue(to)};
    int value[3];
    int step[3];
    for (int channel = 0; channel < 3; ++channel) {
        value[channel] = start[channel] * kFixedPointOne;
        step[channel] = (end[channel] - start[channel]) * kFixedPointOne / divisor;
    }

    int x = left;
    for (int band = 0; band < count; ++band) {
        const int bandRight = band == count - 1 ? right : x + width / divisor;
        const COLORREF color = RGB(value[0] / kFixedPointOne, value[1] / kFixedPointOne,
                                   value[2] / kFixedPointOne);
        bands.push_back(GradientBand{x, bandRight, color});
        for (int channel = 0; channel < 3; ++channel)
            value[channel] += step[channel];
        x = bandRight;
    }
    return bands;
}

void DrawGradient(HDC dc, const RECT& rect, COLORREF from, COLORREF to)
{
    win::DCSelection selection(dc);
    selection.Pen(static_cast<HPEN>(::GetStockObject(NULL_PEN)));
    for (const GradientBand& band : ComputeGradientBands(rect.left, rect.right, from, to)) {
        win::Brush brush(::CreateSolidBrush(band.color));
        win::DCSelection bandSelection(dc);
        bandSelection.Brush(brush);
        // With the null pen Rectangle fills up to one short of its right and
        // bottom edges: the band's columns, and every row but the last.
        ::Rectangle(dc, band.left, rect.top, band.right + 1, rect.bottom);
    }
}
