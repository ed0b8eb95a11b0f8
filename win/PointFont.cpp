#include "win/PointFont.h"

#include <cwchar>

namespace win {

LONG PointSizeToHeight(int pointTenths)
{
    HDC screen = ::GetDC(nullptr);
    // Without a screen context the usual 96 dots per inch stand in.
    const int dotsPerInch = screen != nullptr ? ::GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen != nullptr)
        ::ReleaseDC(nullptr, screen);
    return -static_cast<LONG>(dotsPerInch * pointTenths / 720);
}

HFONT CreatePointFont(int pointTenths, const wchar_t* face)
{
    LOGFONTW logFont = {};
    logFont.lfHeight = PointSizeToHeight(pointTenths);
    logFont.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(logFont.lfFaceName, face, LF_FACESIZE - 1);
    return ::CreateFontIndirectW(&logFont);
}

}  // namespace win
