#pragma once
#include <windows.h>

namespace win {

// The LOGFONT height (negative: character height) of a size given in tenths
// of a point, measured against the screen: -(LOGPIXELSY * tenths / 720),
// the division truncating.
LONG PointSizeToHeight(int pointTenths);

// A font of the face at that size in tenths of a point; null on failure.
HFONT CreatePointFont(int pointTenths, const wchar_t* face);

}  // namespace win
