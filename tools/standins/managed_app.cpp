// Stand-in for the managed application: owns a top-level window titled with the
// AppName of the setup.ini beside it, closes on WM_CLOSE, and records how it
// was started and closed.
//   --ignore-close  handles WM_CLOSE without closing
//   --hang-on-close stops answering messages when WM_CLOSE arrives
#include <windows.h>

#include <string>

#include "standin_log.h"

namespace {

bool g_ignoreClose = false;
bool g_hangOnClose = false;

std::wstring ReadAppName()
{
    wchar_t iniPath[MAX_PATH] = {};
    DWORD length = ::GetModuleFileNameW(nullptr, iniPath, MAX_PATH);
    wchar_t* slash = std::wcsrchr(iniPath, L'\\');
    wchar_t name[MAX_PATH] = L"Quorvel HW RAID Manager";
    if (length > 0 && length < MAX_PATH && slash != nullptr && (slash - iniPath) + 10 < MAX_PATH) {
        std::wcscpy(slash + 1, L"setup.ini");
        ::GetPrivateProfileStringW(L"Startup", L"AppName", L"Quorvel HW RAID Manager", name, MAX_PATH,
                                   iniPath);
    }
    return name;
}

// What lies beside the program when it is asked to close, so a test can tell
// whether an install had already begun to change the folder.
void LogFolderAtClose()
{
    wchar_t pattern[MAX_PATH] = {};
    DWORD length = ::GetModuleFileNameW(nullptr, pattern, MAX_PATH);
    wchar_t* slash = std::wcsrchr(pattern, L'\\');
    if (length == 0 || length >= MAX_PATH || slash == nullptr || (slash - pattern) + 2 >= MAX_PATH)
        return;
    std::wcscpy(slash + 1, L"*");
    std::wstring line = L"app folder at close:";
    WIN32_FIND_DATAW found = {};
    HANDLE search = ::FindFirstFileW(pattern, &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (std::wcscmp(found.cFileName, L".") != 0 && std::wcscmp(found.cFileName, L"..") != 0)
                line += std::wstring(L" ") + found.cFileName;
        } while (::FindNextFileW(search, &found));
        ::FindClose(search);
    }
    AppendStandinLog(line.c_str());
}

LRESULT CALLBACK WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CLOSE:
        LogFolderAtClose();
        if (g_hangOnClose) {
            AppendStandinLog(L"app WM_CLOSE hang");
            ::Sleep(INFINITE);
        }
        if (g_ignoreClose) {
            AppendStandinLog(L"app WM_CLOSE ignored");
            return 0;
        }
        AppendStandinLog(L"app WM_CLOSE closed");
        ::DestroyWindow(hWnd);
        return 0;
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    default:
        return ::DefWindowProcW(hWnd, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR commandLine, int)
{
    std::wstring arguments = commandLine;
    g_ignoreClose = arguments.find(L"--ignore-close") != std::wstring::npos;
    g_hangOnClose = arguments.find(L"--hang-on-close") != std::wstring::npos;
    AppendStandinLog((L"app started args=[" + arguments + L"]").c_str());

    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"StandinManagedApplication";
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    ::RegisterClassW(&windowClass);
    const std::wstring title = ReadAppName();
    HWND window = ::CreateWindowW(windowClass.lpszClassName, title.c_str(), WS_OVERLAPPEDWINDOW, 0, 0,
                                  320, 200, nullptr, nullptr, instance, nullptr);
    if (window == nullptr)
        return 1;
    ::ShowWindow(window, SW_SHOWMINNOACTIVE);
    AppendStandinLog(L"app window ready");

    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return 0;
}
