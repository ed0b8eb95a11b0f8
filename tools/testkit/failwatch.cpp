// Test probe: watches for the setup's warning boxes (top-level windows
// captioned "Fail"), records each one in a log and dismisses it, so a test can
// read what was shown and nothing waits for a user. It ends once the stop file
// exists.
//   failwatch LOG STOPFILE
// One UTF-8 line per box, fields separated by tabs:
//   owner=none|owned  icon=warning|other|none  text (line breaks written as \n)
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <set>
#include <string>

namespace {

constexpr DWORD kPollMilliseconds = 100;


BOOL CALLBACK CollectFailBox(HWND window, LPARAM found)
{
    wchar_t caption[16] = {};
    ::GetWindowTextW(window, caption, 16);
    auto* boxes = reinterpret_cast<std::set<HWND>*>(found);
    if (std::wstring(caption) == L"Fail" && ::IsWindowVisible(window))
        boxes->insert(window);
    return TRUE;
}

struct BoxContent {
    std::wstring text;
    bool hasIcon = false;
    HICON icon = nullptr;
};

BOOL CALLBACK ReadStatic(HWND child, LPARAM content)
{
    auto* box = reinterpret_cast<BoxContent*>(content);
    wchar_t className[32] = {};
    ::GetClassNameW(child, className, 32);
    if (std::wstring(className) != L"Static")
        return TRUE;
    if ((::GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
        box->hasIcon = true;
        box->icon = reinterpret_cast<HICON>(::SendMessageW(child, STM_GETICON, 0, 0));
        return TRUE;
    }
    wchar_t text[2048] = {};
    ::GetWindowTextW(child, text, 2048);
    if (text[0] != L'\0') {
        if (!box->text.empty())
            box->text += L"\n";
        box->text += text;
    }
    return TRUE;
}

std::string Utf8(const std::wstring& text)
{
    std::wstring escaped;
    for (wchar_t c : text) {
        if (c == L'\n')
            escaped += L"\\n";
        else if (c != L'\r')
            escaped += c;
    }
    const int bytes = ::WideCharToMultiByte(CP_UTF8, 0, escaped.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(bytes > 0 ? bytes : 1, '\0');
    if (bytes > 0)
        ::WideCharToMultiByte(CP_UTF8, 0, escaped.c_str(), -1, &utf8[0], bytes, nullptr, nullptr);
    utf8.resize(utf8.size() - 1);
    return utf8;
}

void Record(const wchar_t* logPath, HWND box)
{
    BoxContent content;
    ::EnumChildWindows(box, ReadStatic, reinterpret_cast<LPARAM>(&content));
    const char* icon = "none";
    if (content.hasIcon)
        icon = content.icon == ::LoadIconW(nullptr, IDI_WARNING) ? "warning" : "other";
    const char* owner = ::GetWindow(box, GW_OWNER) == nullptr ? "none" : "owned";
    FILE* log = _wfopen(logPath, L"ab");
    if (log == nullptr)
        return;
    std::fprintf(log, "owner=%s\ticon=%s\t%s\n", owner, icon, Utf8(content.text).c_str());
    std::fclose(log);
}

bool FileExists(const wchar_t* path)
{
    return ::GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int)
{
    int argc = 0;
    wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    if (argv == nullptr || argc != 3)
        return 2;
    std::set<HWND> handled;
    for (;;) {
        const bool stopping = FileExists(argv[2]);
        std::set<HWND> boxes;
        ::EnumWindows(CollectFailBox, reinterpret_cast<LPARAM>(&boxes));
        for (HWND box : boxes) {
            if (handled.count(box) != 0)
                continue;
            handled.insert(box);
            Record(argv[1], box);
            ::PostMessageW(box, WM_COMMAND, IDOK, 0);
        }
        if (stopping)
            return 0;
        ::Sleep(kPollMilliseconds);
    }
}
