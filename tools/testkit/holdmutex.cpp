// Test probe: holds a named mutex for a number of seconds, as a running copy of
// the setup would, and marks C:\mutex-held once it holds it.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cwchar>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int)
{
    int argc = 0;
    wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    if (argv == nullptr || argc < 3)
        return 2;
    HANDLE mutex = ::CreateMutexW(nullptr, FALSE, argv[1]);
    if (mutex == nullptr)
        return 1;
    FILE* mark = _wfopen(L"C:\\mutex-held", L"w");
    if (mark != nullptr)
        std::fclose(mark);
    ::Sleep(static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 10)) * 1000);
    ::CloseHandle(mutex);
    return 0;
}
