// Test probe: its one argument is a whole command line, which it starts
// exactly as given as a new process; it waits for it and prints its full exit
// code ("exit=1603"), which Wine's own exit status would cut to eight bits.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cwchar>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int)
{
    int argc = 0;
    wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    if (argv == nullptr || argc != 2) {
        std::printf("usage: runwait \"command line\"\n");
        return 2;
    }
    static wchar_t child[32768];
    std::wcsncpy(child, argv[1], 32767);
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!::CreateProcessW(nullptr, child, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process)) {
        std::printf("start-failed=%lu\n", ::GetLastError());
        return 1;
    }
    ::WaitForSingleObject(process.hProcess, INFINITE);
    DWORD exitCode = 0;
    ::GetExitCodeProcess(process.hProcess, &exitCode);
    std::printf("exit=%lu\n", exitCode);
    std::fflush(stdout);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return 0;
}
