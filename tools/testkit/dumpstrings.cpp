// Test probe: loads a language library the way setup.exe does and prints its
// string table as UTF-8: first "language=XXXX" for every language the table is
// held in, then one line "id<TAB>text" for each of the ids 1 to 20.
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

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int)
{
    int argc = 0;
    wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    if (argv == nullptr || argc != 2) {
        std::printf("usage: dumpstrings LIBRARY\n");
        return 2;
    }
    HMODULE library = ::LoadLibraryW(argv[1]);
    if (library == nullptr) {
        std::printf("load-failed=%lu\n", ::GetLastError());
        return 1;
    }
    // Ids 1 to 15 lie in string block 1, ids 16 to 31 in block 2.
    ::EnumResourceLanguagesW(library, MAKEINTRESOURCEW(6), MAKEINTRESOURCEW(1), PrintLanguage, 0);
    for (UINT id = kFirstId; id <= kLastId; ++id) {
        wchar_t text[1024] = {};
        ::LoadStringW(library, id, text, 1024);  // a missing id leaves the text empty
        std::printf("%u\t", id);
        PrintUtf8(text);
        std::printf("\n");
    }
    std::fflush(stdout);
    ::FreeLibrary(library);
    return 0;
}
