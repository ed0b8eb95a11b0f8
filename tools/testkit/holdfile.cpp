// Test probe: holds a file open, without letting anyone delete it, for a
// number of seconds, as a running program holds its executable; marks the
// given mark file once it holds it.
//   holdfile.exe FILE SECONDS MARK
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cwchar>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int)
{
    int argc = 0;
    wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    if (argv == nullptr || argc < 4)
        return 2;
    HANDLE held = ::CreateFileW(argv[1], GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (held == INVALID_HANDLE_VALUE)
        return 1;
    FILE* mark = _wfopen(argv[3], L"w");
    if (mark != nullptr)
        std::fclose(mark);
    ::Sleep(static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 10)) * 1000);
    ::CloseHandle(held);
    return 0;
}
