// Test probe: watches for the setup's warning boxes (top-level windows
// captioned "Fail"), records each one in a log and dismisses it, so a test can
// read what was shown and nothing waits for a user. It ends once the stop file
// exists.
//   failwatch LOG STOPFILE
// One UTF-8 line per box, fields separated by tabs:
//   owner=none|owned  icon=warning|error|information|question|other|none
//   buttons=OK (captions joined by +)  text (line breaks written as \n)
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr DWORD kPollMilliseconds = 100;
constexpr DWORD kPaintMilliseconds = 300;

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
    std::wstring buttons;
    HWND iconControl = nullptr;
};

BOOL CALLBACK ReadControl(HWND child, LPARAM content)
{
    auto* box = reinterpret_cast<BoxContent*>(content);
    wchar_t className[32] = {};
    ::GetClassNameW(child, className, 32);
    if (std::wstring(className) == L"Button" && ::IsWindowVisible(child)) {
        wchar_t caption[64] = {};
        ::GetWindowTextW(child, caption, 64);
        if (!box->buttons.empty())
            box->buttons += L"+";
        for (const wchar_t* c = caption; *c != L'\0'; ++c) {
            if (*c != L'&')
                box->buttons += *c;
        }
        return TRUE;
    }
    if (std::wstring(className) != L"Static")
        return TRUE;
    if ((::GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
        box->iconControl = child;
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

// Icon handles do not cross processes, so the box's icon is recognised by its
// picture: the pixels on screen against each standard icon drawn here on the
// dialog colour. The closest one names it.
std::vector<COLORREF> Capture(HDC source, int x, int y, int width, int height)
{
    std::vector<COLORREF> pixels;
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < width; ++column)
            pixels.push_back(::GetPixel(source, x + column, y + row));
    return pixels;
}

std::vector<COLORREF> DrawStandardIcon(const wchar_t* id, int width, int height)
{
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    RECT all = {0, 0, width, height};
    ::FillRect(memory, &all, ::GetSysColorBrush(COLOR_3DFACE));
    ::DrawIconEx(memory, 0, 0, ::LoadIconW(nullptr, id), width, height, 0, nullptr, DI_NORMAL);
    std::vector<COLORREF> pixels = Capture(memory, 0, 0, width, height);
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return pixels;
}

const char* RecogniseIcon(HWND iconControl)
{
    RECT rect = {};
    ::GetWindowRect(iconControl, &rect);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0)
        return "none";
    HDC screen = ::GetDC(nullptr);
    const std::vector<COLORREF> shown = Capture(screen, rect.left, rect.top, width, height);
    ::ReleaseDC(nullptr, screen);
    const struct {
        const wchar_t* id;
        const char* name;
    } candidates[] = {{IDI_WARNING, "warning"}, {IDI_ERROR, "error"}, {IDI_INFORMATION, "information"},
                      {IDI_QUESTION, "question"}};
    const char* best = "other";
    size_t fewest = shown.size() / 4;  // more differences than this: no standard icon
    for (const auto& candidate : candidates) {
        const std::vector<COLORREF> drawn = DrawStandardIcon(candidate.id, width, height);
        size_t differences = 0;
        for (size_t i = 0; i < shown.size(); ++i)
            differences += shown[i] != drawn[i];
        if (differences < fewest) {
            fewest = differences;
            best = candidate.name;
        }
    }
    return best;
}

void Record(const wchar_t* logPath, HWND box)
{
    BoxContent content;
    ::EnumChildWindows(box, ReadControl, reinterpret_cast<LPARAM>(&content));
    // The box is read once it has been painted.
    ::Sleep(kPaintMilliseconds);
    const char* icon = content.iconControl != nullptr ? RecogniseIcon(content.iconControl) : "none";
    const char* owner = ::GetWindow(box, GW_OWNER) == nullptr ? "none" : "owned";
    FILE* log = _wfopen(logPath, L"ab");
    if (log == nullptr)
        return;
    std::fprintf(log, "owner=%s\ticon=%s\tbuttons=%s\t%s\n", owner, icon, Utf8(content.buttons).c_str(),
                 Utf8(content.text).c_str());
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
