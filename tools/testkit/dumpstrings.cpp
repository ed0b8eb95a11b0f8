// Test probe: loads each library named on its command line the way setup.exe
// loads a language library and prints its string table as UTF-8: a line
// "library=<path>", then "language=XXXX" for every language the table is held
// in, then one line "id<TAB>text" for each of the ids 1 to 20.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>

namespace {

const UINT kFirstId = 1;
const UINT kLastId = 20;

void PrintUtf8(const wchar_t* text)
{
    char bytes[4096];
    const int length = ::WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes, sizeof(bytes), nullptr, nullptr);
    if (length > 0)
        std::fputs(bytes, stdout);
}

BOOL CALLBACK PrintLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR)
{
    std::printf("language=%04X\n", language);
    return TRUE;
}

void PrintStringTable(const wchar_t* path)
{
    std::printf("library=");
    PrintUtf8(path);
    std::printf("\n");
    HMODULE library = ::LoadLibraryW(path);
    if (library == nullptr) {
        std::printf("load-failed=%lu\n", ::GetLastError());
        return;
    }
    // String block 1 holds ids 1 to 15; its languages stand for the table's.
    // A library without that block prints no language line.
    ::EnumResourceLanguagesW(library, RT_STRING, MAKEINTRESOURCEW(1), PrintLanguage, 0);
    for (UINT id = kFirstId; id <= kLastId; ++id) {
        wchar_t text[1024] = {};
        ::LoadStringW(library, id, text, 1024);  // a missing id leaves the text empty
        std::printf("%u\t", id);
        PrintUtf8(text);
        std::printf("\n");
    }
    ::FreeLibrary(library);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int)
{
    int argc = 0;
    wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    if (argv == nullptr || argc < 2) {
        std::printf("usage: dumpstrings LIBRARY...\n");
        return 2;
    }
    for (int i = 1; i < argc; ++i)
        PrintStringTable(argv[i]);
    std::fflush(stdout);
    return 0;
}
