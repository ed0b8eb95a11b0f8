#pragma once
// Helpers of the unit tests that draw: bitmaps made in the test, region
// contents, the built setup.exe's resources and a parent window that hands
// its controls their notifications, as the wizard's dialog does.
#include <windows.h>

#include <string>
#include <vector>

#include "win/SubclassedWindow.h"

namespace ui_support {

// A 32-bit bitmap of width by height pixels given row by row as COLORREFs.
inline HBITMAP MakeBitmap(int width, int height, const std::vector<COLORREF>& pixels)
{
    std::vector<DWORD> bits;
    for (COLORREF color : pixels)
        bits.push_back((GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color));
    return ::CreateBitmap(width, height, 1, 32, bits.data());
}

inline HBITMAP MakeFilledBitmap(int width, int height, COLORREF color)
{
    return MakeBitmap(width, height, std::vector<COLORREF>(static_cast<size_t>(width * height), color));
}

// The rectangles a region is made of, in the region's own order.
inline std::vector<RECT> RegionRects(HRGN region)
{
    std::vector<RECT> rects;
    const DWORD size = ::GetRegionData(region, 0, nullptr);
    if (size == 0)
        return rects;
    std::vector<BYTE> data(size);
    auto* header = reinterpret_cast<RGNDATA*>(data.data());
    if (::GetRegionData(region, size, header) == 0)
        return rects;
    const RECT* first = reinterpret_cast<const RECT*>(header->Buffer);
    rects.assign(first, first + header->rdh.nCount);
    return rects;
}

inline std::string Describe(const std::vector<RECT>& rects)
{
    std::string text;
    for (const RECT& r : rects)
        text += "(" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
                "," + std::to_string(r.bottom) + ")";
    return text;
}

inline bool SameRects(const std::vector<RECT>& a, const std::vector<RECT>& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (!::EqualRect(&a[i], &b[i]))
            return false;
    }
    return true;
}

// The built setup.exe, beside the folder of the test programs.
inline std::wstring SetupExePath()
{
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    folder.resize(folder.find_last_of(L'\\'));
    folder.resize(folder.find_last_of(L'\\') + 1);
    return folder + L"setup.exe";
}

// setup.exe loaded for its resources only.
inline HMODULE LoadSetupResources()
{
    return ::LoadLibraryExW(SetupExePath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
}

// A top-level window that reflects WM_COMMAND, WM_NOTIFY and WM_DRAWITEM
// to the control they concern first, and records the commands and
// notifications that reach it afterwards.
class ParentWindow {
public:
    ParentWindow(int width, int height, COLORREF background)
        : m_background(::CreateSolidBrush(background))
    {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = &ParentWindow::Proc;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.hbrBackground = m_background;
        windowClass.lpszClassName = L"UiSupportParent";
        ::UnregisterClassW(windowClass.lpszClassName, windowClass.hInstance);
        ::RegisterClassW(&windowClass);
        m_hWnd = ::CreateWindowExW(0, windowClass.lpszClassName, L"test", WS_POPUP | WS_VISIBLE, 20, 20,
                                   width, height, nullptr, nullptr, windowClass.hInstance, this);
        ::SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~ParentWindow()
    {
        ::DestroyWindow(m_hWnd);
        ::DeleteObject(m_background);
    }

    HWND Handle() const { return m_hWnd; }

    HWND AddChild(const wchar_t* className, const wchar_t* text, DWORD style, int id, int x, int y, int width,
                  int height) const
    {
        return ::CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, m_hWnd,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr),
                                 nullptr);
    }

    std::vector<WPARAM> commands;  // wParam of each WM_COMMAND that reached the parent
    std::vector<NMHDR> notifications;

private:
    static LRESULT CALLBACK Proc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        auto* self = reinterpret_cast<ParentWindow*>(::GetWindowLongPtrW(hWnd, GWLP_USERDATA));
        HWND control = nullptr;
        if (message == WM_COMMAND)
            control = reinterpret_cast<HWND>(lParam);
        else if (message == WM_NOTIFY)
            control = reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
        else if (message == WM_DRAWITEM)
            control = reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem;
        if (control != nullptr) {
            LRESULT result = 0;
            win::SubclassedWindow* owner = win::SubclassedWindow::FromHandle(control);
            if (owner != nullptr && owner->OnChildNotify(message, wParam, lParam, &result))
                return result;
            if (self != nullptr && message == WM_COMMAND)
                self->commands.push_back(wParam);
            if (self != nullptr && message == WM_NOTIFY)
                self->notifications.push_back(*reinterpret_cast<NMHDR*>(lParam));
        }
        return ::DefWindowProcW(hWnd, message, wParam, lParam);
    }

    HBRUSH m_background;
    HWND m_hWnd = nullptr;
};

// Lets every pending message (paints included) be handled.
inline void PumpMessages()
{
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

// The colour of a pixel of a window as it is on screen.
inline COLORREF WindowPixel(HWND hWnd, int x, int y)
{
    HDC dc = ::GetDC(hWnd);
    const COLORREF color = ::GetPixel(dc, x, y);
    ::ReleaseDC(hWnd, dc);
    return color;
}

}  // namespace ui_support
