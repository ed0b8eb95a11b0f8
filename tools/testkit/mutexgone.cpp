// Test probe: waits until no process holds the named mutex any more (a killed
// setup.exe lets go of it only once Wine has noticed its end). Exit code 0 when
// the mutex is gone, 1 when it is still held after the given seconds.
#include <windows.h>
#include <shellapi.h>

#include <cwchar>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int)
{
    int argc = 0;
    wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    if (argv == nullptr || argc < 3)
        return 2;
    const DWORD deadline = ::GetTickCount() + static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 10)) * 1000;
    for (;;) {
        HANDLE mutex = ::OpenMutexW(SYNCHRONIZE, FALSE, argv[1]);
        if (mutex == nullptr)
            return 0;
        ::CloseHandle(mutex);
        if (static_cast<LONG>(::GetTickCount() - deadline) >= 0)
            return 1;
        ::Sleep(100);
    }
}
