// Shows the skin as the wizard does, with the real controls on it (labels,
// bitmap buttons, check box, progress bar), and saves what is on screen as a
// 24-bit BMP: the way to look at the artwork with its texts in place.
//
//   skinpreview.exe SETUP_EXE OUT_BMP
//
// The picture holds two wizards side by side: the ready phase of an install
// and its finished phase (the running phase's progress bar on the first).
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <memory>
#include <vector>

#include "controls/BitmapRegion.h"
#include "controls/BmpBtnCtrl.h"
#include "controls/SkinLabel.h"
#include "resource.h"
#include "win/DCSelection.h"
#include "win/DeviceContext.h"
#include "win/GdiObject.h"
#include "win/PointFont.h"
#include "win/ProgressCtrl.h"
#include "win/ResourceModule.h"

namespace {

const int kGap = 8;
const COLORREF kDesktop = RGB(58, 110, 165);

HBITMAP g_skin = nullptr;
HFONT g_dialogFont = nullptr;

LRESULT CALLBACK WizardProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND: {
        win::MemoryDC memory(reinterpret_cast<HDC>(wParam));
        win::DCSelection selection(memory);
        selection.Bitmap(g_skin);
        ::BitBlt(reinterpret_cast<HDC>(wParam), 0, 0, 584, 411, memory, 0, 0, SRCCOPY);
        return TRUE;
    }
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(g_dialogFont);
    case WM_COMMAND:
    case WM_DRAWITEM: {
        HWND control = message == WM_COMMAND ? reinterpret_cast<HWND>(lParam)
                                             : reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->hwndItem;
        LRESULT result = 0;
        win::SubclassedWindow* owner = win::SubclassedWindow::FromHandle(control);
        if (owner != nullptr && owner->OnChildNotify(message, wParam, lParam, &result))
            return result;
        break;
    }
    default:
        break;
    }
    return ::DefWindowProcW(hWnd, message, wParam, lParam);
}

// One wizard window with its controls, in the ready or the finished phase.
class Wizard {
public:
    Wizard(int x, int y, bool finished)
    {
        // Shown only once its controls are in place, as a dialog is.
        m_hWnd = ::CreateWindowExW(0, L"SkinPreview", L"", WS_POPUP, x, y, 584, 411, nullptr,
                                   nullptr, ::GetModuleHandleW(nullptr), nullptr);
        ::SetWindowRgn(m_hWnd, CreateRegionFromBitmap(g_skin, RGB(255, 0, 255)), TRUE);

        Label(1005, L"Quorvel HW RAID Manager - Installation Wizard", 14, 7, 524, 15, RGB(85, 0, 0), 11);
        Label(1001, finished ? L"Installation complete" : L"Welcome to the Quorvel HW RAID Manager setup", 35, 55,
              514, 35, RGB(255, 255, 255), 10);
        Label(1002,
              finished ? L"Quorvel HW RAID Manager has been installed on this computer. Click Finish to close the wizard."
                       : L"The wizard installs Quorvel HW RAID Manager on this computer. Click Install to go on, or Cancel to leave.",
              200, 170, 354, 60, RGB(255, 255, 255), 9);

        Button(1004, L"", BS_PUSHBUTTON, 552, 11, {134, 134, 135, 0, 136, 0}, false);
        Button(1000, finished ? L"Finish" : L"Install", BS_PUSHBUTTON, 312, 380, {131, 132, 133, 0, 0, 0}, false);
        Button(2, L"Cancel", BS_PUSHBUTTON, 451, 380, {131, 132, 133, 0, 0, 0}, finished);
        if (finished) {
            CBmpBtnCtrl& check = Button(1008, L"Launch Quorvel HW RAID Manager now", BS_AUTOCHECKBOX | WS_TABSTOP,
                                        200, 235, {142, 142, 142, 143, 0, 0}, false, 270);
            check.SetCheck(1);
        } else {
            HWND bar = ::CreateWindowExW(0, PROGRESS_CLASSW, L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 205, 235, 339,
                                         30, m_hWnd, nullptr, ::GetModuleHandleW(nullptr), nullptr);
            ::SendMessageW(bar, PBM_SETRANGE, 0, MAKELPARAM(0, 100));
            ::SendMessageW(bar, PBM_SETPOS, 60, 0);
        }
        ::ShowWindow(m_hWnd, SW_SHOW);
    }
    ~Wizard() { ::DestroyWindow(m_hWnd); }
    HWND Handle() const { return m_hWnd; }

private:
    void Label(int id, const wchar_t* text, int x, int y, int width, int height, COLORREF color, int points)
    {
        HWND hWnd = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT, x, y, width, height,
                                      m_hWnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                      ::GetModuleHandleW(nullptr), nullptr);
        m_labels.push_back(std::make_unique<CSkinLabel>());
        m_labels.back()->SubclassWindow(hWnd);
        m_labels.back()->SetText(text).SetTextColor(color).SetFontName(L"Arial", 0).SetFontSize(points)
            .SetFontBold(TRUE).SetTransparent(TRUE);
    }

    CBmpBtnCtrl& Button(int id, const wchar_t* text, DWORD style, int x, int y, std::vector<UINT> ids, bool disabled,
                        int width = 80)
    {
        HWND hWnd = ::CreateWindowExW(0, L"BUTTON", text, WS_CHILD | WS_VISIBLE | style, x, y, width, 20, m_hWnd,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                      ::GetModuleHandleW(nullptr), nullptr);
        m_buttons.push_back(std::make_unique<CBmpBtnCtrl>());
        CBmpBtnCtrl& button = *m_buttons.back();
        button.SubclassWindow(hWnd);
        button.SetBitmaps(ids[0], ids[1], ids[2], ids[3], ids[4], ids[5]);
        button.FitToBitmap(x, y);
        if (disabled)
            button.EnableWindow(FALSE);
        return button;
    }

    HWND m_hWnd;
    std::vector<std::unique_ptr<CSkinLabel>> m_labels;
    std::vector<std::unique_ptr<CBmpBtnCtrl>> m_buttons;
};

// Lets everything paint.
void PumpFor(DWORD milliseconds)
{
    const DWORD until = ::GetTickCount() + milliseconds;
    while (::GetTickCount() < until) {
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        ::Sleep(20);
    }
}

// Copies a window's picture, from its own device context and inside its
// region, to (x, y) of the memory context.
void CopyWindow(HDC memory, HWND hWnd, int x, int y)
{
    RECT place = {};
    ::GetWindowRect(hWnd, &place);
    win::Region shape(::CreateRectRgn(0, 0, 0, 0));
    if (::GetWindowRgn(hWnd, shape) != ERROR) {
        ::OffsetRgn(shape, x, y);
        ::SelectClipRgn(memory, shape);
    }
    HDC window = ::GetDC(hWnd);
    ::BitBlt(memory, x, y, place.right - place.left, place.bottom - place.top, window, 0, 0, SRCCOPY);
    ::ReleaseDC(hWnd, window);
    ::SelectClipRgn(memory, nullptr);
}

bool SaveBmp(const wchar_t* path, const BITMAPINFOHEADER& header, const void* bits)
{
    const DWORD imageSize = static_cast<DWORD>((header.biWidth * 3 + 3) / 4 * 4 * header.biHeight);
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = file.bfOffBits + imageSize;
    FILE* out = _wfopen(path, L"wb");
    if (out == nullptr)
        return false;
    bool written = std::fwrite(&file, sizeof(file), 1, out) == 1 && std::fwrite(&header, sizeof(header), 1, out) == 1 &&
                   std::fwrite(bits, imageSize, 1, out) == 1;
    written = std::fclose(out) == 0 && written;
    return written;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3) {
        std::fwprintf(stderr, L"usage: skinpreview SETUP_EXE OUT_BMP\n");
        return 2;
    }
    HMODULE setup = ::LoadLibraryExW(argv[1], nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (setup == nullptr) {
        std::fwprintf(stderr, L"cannot load %ls\n", argv[1]);
        return 1;
    }
    win::SetResourceModule(setup);
    g_skin = ::LoadBitmapW(setup, MAKEINTRESOURCEW(IDB_SKIN));
    g_dialogFont = win::CreatePointFont(90, L"System");
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_PROGRESS_CLASS};
    ::InitCommonControlsEx(&controls);

    WNDCLASSW wizardClass = {};
    wizardClass.lpfnWndProc = WizardProc;
    wizardClass.hInstance = ::GetModuleHandleW(nullptr);
    wizardClass.lpszClassName = L"SkinPreview";
    ::RegisterClassW(&wizardClass);

    // Both wizards side by side on a plain desktop colour, so that the cut
    // corners show. The screen is narrower than the two, so each is shown
    // and copied in turn.
    const int width = 2 * 584 + 3 * kGap;
    const int height = 411 + 2 * kGap;
    win::MemoryDC memory(nullptr);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // bottom-up, as a BMP file stores it
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    win::Bitmap picture(::CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (picture.IsNull())
        return 1;
    {
        win::DCSelection selection(memory);
        selection.Bitmap(picture);
        const RECT all = {0, 0, width, height};
        win::Brush desktop(::CreateSolidBrush(kDesktop));
        ::FillRect(memory, &all, desktop);
        for (int phase = 0; phase < 2; ++phase) {
            Wizard wizard(kGap, kGap, phase == 1);
            PumpFor(1000);
            CopyWindow(memory, wizard.Handle(), kGap + phase * (584 + kGap), kGap);
        }
        ::GdiFlush();
    }
    return SaveBmp(argv[2], info.bmiHeader, bits) ? 0 : 1;
}
