// Test probe: asks the top-level window with the given title to close, as a
// user's close request does, and prints "closed" or "none".
//   closewindow.exe TITLE
#include <windows.h>
#include <shellapi.h>

#include <cstdio>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int)
{
    int argc = 0;
    wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    if (argv == nullptr || argc != 2)
        return 2;
    HWND window = ::FindWindowW(nullptr, argv[1]);
    const bool closed = window != nullptr && ::PostMessageW(window, WM_CLOSE, 0, 0);
    std::printf("%s\n", closed ? "closed" : "none");
    std::fflush(stdout);
    return 0;
}
