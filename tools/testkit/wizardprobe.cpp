// Test probe: reads what the setup wizard shows, as seen from another process,
// and posts messages to it. Output is UTF-8, one record per line.
//   wizardprobe dump [WAIT_SECONDS]       the wizard and its controls (waits for it to appear)
//   wizardprobe watch TIMEOUT_SECONDS     a dump every 100 ms until Finish shows or the wizard goes
//   wizardprobe running MINPOS TIMEOUT_SECONDS
//                                         prints "watching", waits for the running phase with the
//                                         bar at MINPOS or beyond, then dumps; exit code 3 when
//                                         Finish shows first
//   wizardprobe post MESSAGE WPARAM LPARAM [COUNT]
//                                         posts a message (numbers, 0x... allowed) to the wizard,
//                                         COUNT times back to back (default once)
//   wizardprobe strings LIBRARY           the language library's strings 1 to 20
//
// A dump is a line "wizard x= y= w= h= visible= region= title=..." and a line
// "child id= class= visible= enabled= x= y= w= h= style= pos= text=..." for each
// control (screen coordinates; pos only for the progress bar). Line breaks in
// texts are written as \r and \n.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

const int kProgressId = 1003;

void PrintUtf8(const std::wstring& text)
{
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                           nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &bytes[0], size, nullptr,
                          nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
}

std::wstring Escaped(const wchar_t* text)
{
    std::wstring result;
    for (const wchar_t* c = text; *c != L'\0'; ++c) {
        if (*c == L'\r')
            result += L"\\r";
        else if (*c == L'\n')
            result += L"\\n";
        else
            result += *c;
    }
    return result;
}

std::wstring WindowText(HWND hWnd)
{
    wchar_t text[2048] = {};
    ::GetWindowTextW(hWnd, text, 2048);
    return Escaped(text);
}

BOOL CALLBACK FindWizard(HWND hWnd, LPARAM lParam)
{
    wchar_t className[64] = {};
    ::GetClassNameW(hWnd, className, 64);
    HWND progress = ::GetDlgItem(hWnd, kProgressId);
    wchar_t progressClass[64] = {};
    if (progress != nullptr)
        ::GetClassNameW(progress, progressClass, 64);
    // A wizard still being made is not shown yet: it is not looked at before.
    if (std::wcscmp(className, L"#32770") == 0 && std::wcscmp(progressClass, PROGRESS_CLASSW) == 0 &&
        ::IsWindowVisible(hWnd)) {
        *reinterpret_cast<HWND*>(lParam) = hWnd;
        return FALSE;
    }
    return TRUE;
}

HWND FindWizardWindow(DWORD waitMs)
{
    const DWORD start = ::GetTickCount();
    for (;;) {
        HWND wizard = nullptr;
        ::EnumWindows(&FindWizard, reinterpret_cast<LPARAM>(&wizard));
        if (wizard != nullptr || ::GetTickCount() - start >= waitMs)
            return wizard;
        ::Sleep(100);
    }
}

const wchar_t* RegionKind(HWND hWnd)
{
    HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    const int kind = ::GetWindowRgn(hWnd, region);
    ::DeleteObject(region);
    switch (kind) {
    case SIMPLEREGION:
        return L"simple";
    case COMPLEXREGION:
        return L"complex";
    case NULLREGION:
        return L"empty";
    default:
        return L"none";
    }
}

BOOL CALLBACK DumpChild(HWND hWnd, LPARAM /*lParam*/)
{
    wchar_t className[64] = {};
    ::GetClassNameW(hWnd, className, 64);
    RECT rect = {};
    ::GetWindowRect(hWnd, &rect);
    const int id = ::GetDlgCtrlID(hWnd);
    wchar_t line[512] = {};
    std::swprintf(line, 512, L"child id=%d class=%ls visible=%d enabled=%d x=%ld y=%ld w=%ld h=%ld style=0x%08lX",
                  id, className, ::IsWindowVisible(hWnd) ? 1 : 0, ::IsWindowEnabled(hWnd) ? 1 : 0, rect.left,
                  rect.top, rect.right - rect.left, rect.bottom - rect.top,
                  static_cast<unsigned long>(::GetWindowLongW(hWnd, GWL_STYLE)));
    std::wstring record = line;
    if (id == kProgressId) {
        DWORD_PTR position = 0;
        ::SendMessageTimeoutW(hWnd, PBM_GETPOS, 0, 0, SMTO_ABORTIFHUNG, 5000, &position);
        std::swprintf(line, 512, L" pos=%d", static_cast<int>(position));
        record += line;
    }
    record += L" text=" + WindowText(hWnd) + L"\n";
    PrintUtf8(record);
    return TRUE;
}

void Dump(HWND wizard)
{
    RECT rect = {};
    ::GetWindowRect(wizard, &rect);
    wchar_t line[256] = {};
    std::swprintf(line, 256, L"wizard x=%ld y=%ld w=%ld h=%ld visible=%d region=%ls title=", rect.left, rect.top,
                  rect.right - rect.left, rect.bottom - rect.top, ::IsWindowVisible(wizard) ? 1 : 0,
                  RegionKind(wizard));
    PrintUtf8(line + WindowText(wizard) + L"\n");
    ::EnumChildWindows(wizard, &DumpChild, 0);
    std::fflush(stdout);
}

int Watch(DWORD timeoutMs)
{
    HWND wizard = FindWizardWindow(timeoutMs);
    if (wizard == nullptr)
        return 1;
    const DWORD start = ::GetTickCount();
    while (::IsWindow(wizard) && ::GetTickCount() - start < timeoutMs) {
        wchar_t line[64] = {};
        std::swprintf(line, 64, L"sample t=%lu\n", static_cast<unsigned long>(::GetTickCount() - start));
        PrintUtf8(line);
        Dump(wizard);
        if (::IsWindowVisible(::GetDlgItem(wizard, IDOK)))
            return 0;
        ::Sleep(100);
    }
    return ::IsWindow(wizard) ? 1 : 0;
}

// The bar on its way: the timer stops it at 95, only the end of the work fills it.
bool ProgressRunning(HWND wizard, int minimum)
{
    HWND progress = ::GetDlgItem(wizard, kProgressId);
    DWORD_PTR position = 0;
    if (!::IsWindowVisible(progress) ||
        !::SendMessageTimeoutW(progress, PBM_GETPOS, 0, 0, SMTO_ABORTIFHUNG, 5000, &position))
        return false;
    return static_cast<int>(position) >= minimum && position <= 95;
}

int WaitRunning(int minimum, DWORD timeoutMs)
{
    HWND wizard = FindWizardWindow(timeoutMs);
    if (wizard == nullptr)
        return 1;
    // Tells the caller that the watch has begun.
    std::printf("watching\n");
    std::fflush(stdout);
    const DWORD start = ::GetTickCount();
    while (::IsWindow(wizard) && ::GetTickCount() - start < timeoutMs) {
        if (::IsWindowVisible(::GetDlgItem(wizard, IDOK)))
            return 3;
        if (ProgressRunning(wizard, minimum)) {
            Dump(wizard);
            return 0;
        }
        ::Sleep(20);
    }
    return 1;
}

LONG_PTR Number(const wchar_t* text)
{
    return static_cast<LONG_PTR>(std::wcstoll(text, nullptr, 0));
}

int Strings(const wchar_t* libraryPath)
{
    HMODULE library = ::LoadLibraryExW(libraryPath, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (library == nullptr)
        return 1;
    for (UINT id = 1; id <= 20; ++id) {
        wchar_t text[1024] = {};
        ::LoadStringW(library, id, text, 1024);
        wchar_t head[32] = {};
        std::swprintf(head, 32, L"string %u=", id);
        PrintUtf8(head + Escaped(text) + L"\n");
    }
    ::FreeLibrary(library);
    std::fflush(stdout);
    return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int)
{
    int argc = 0;
    wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    if (argv == nullptr || argc < 2)
        return 2;
    const std::wstring command = argv[1];
    if (command == L"dump") {
        const DWORD waitMs = argc >= 3 ? static_cast<DWORD>(Number(argv[2])) * 1000 : 0;
        HWND wizard = FindWizardWindow(waitMs);
        if (wizard == nullptr) {
            std::printf("no wizard\n");
            return 1;
        }
        Dump(wizard);
        return 0;
    }
    if (command == L"watch" && argc >= 3)
        return Watch(static_cast<DWORD>(Number(argv[2])) * 1000);
    if (command == L"running" && argc >= 4)
        return WaitRunning(static_cast<int>(Number(argv[2])), static_cast<DWORD>(Number(argv[3])) * 1000);
    if (command == L"post" && argc >= 5) {
        HWND wizard = FindWizardWindow(5000);
        if (wizard == nullptr)
            return 1;
        const LONG_PTR count = argc >= 6 ? Number(argv[5]) : 1;
        for (LONG_PTR i = 0; i < count; ++i) {
            if (!::PostMessageW(wizard, static_cast<UINT>(Number(argv[2])), static_cast<WPARAM>(Number(argv[3])),
                                static_cast<LPARAM>(Number(argv[4]))))
                return 1;
        }
        return 0;
    }
    if (command == L"strings" && argc >= 3)
        return Strings(argv[2]);
    return 2;
}
