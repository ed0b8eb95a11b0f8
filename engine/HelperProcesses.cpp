#include "engine/HelperProcesses.h"

#include <string>

#include "app/PathText.h"

namespace {

// The only synchronisation with the programs started here: they are never
// waited for, the procedure pauses instead.
constexpr DWORD kPauseAfterHelperMilliseconds = 1000;

// How long a running application gets to handle WM_CLOSE before the install
// goes on without it.
constexpr UINT kCloseWaitMilliseconds = 10000;

// Starts "{installDir}\NorSrvSetup.exe" with one argument. The path stands in
// quotes so that a stray program named after a part of it (C:\Program.exe)
// cannot be started in its place.
bool RunServiceSetup(const wchar_t* installDir, const wchar_t* argument)
{
    wchar_t commandLine[kCommandLineCapacity] = {};
    if (!ComposeText(commandLine, {L"\"", installDir, L"\\", kServiceSetupFileName, L"\" ", argument}))
        return false;  // a cut path would name another program
    HANDLE process = RunCommandLine(commandLine);
    if (process == nullptr)
        return false;
    ::CloseHandle(process);
    return true;
}

}  // namespace

HANDLE RunCommandLine(const wchar_t* commandLine)
{
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOW;
    PROCESS_INFORMATION process = {};
    // CreateProcessW may write into the command line, so it gets a copy.
    std::wstring writable(commandLine);
    if (!::CreateProcessW(nullptr, &writable[0], nullptr, nullptr, FALSE, REALTIME_PRIORITY_CLASS, nullptr,
                          nullptr, &startup, &process))
        return nullptr;
    ::CloseHandle(process.hThread);
    return process.hProcess;
}

void TakeDownService(const wchar_t* installDir)
{
    // A start that fails is not reported: an earlier installation may have
    // left no working service setup program, and the install goes on anyway.
    RunServiceSetup(installDir, L"-k");
    ::Sleep(kPauseAfterHelperMilliseconds);
    RunServiceSetup(installDir, L"-u");
    ::Sleep(kPauseAfterHelperMilliseconds);
}

bool InstallService(const wchar_t* installDir)
{
    return RunServiceSetup(installDir, L"-i");
}

void CloseRunningApplication(const wchar_t* appName)
{
    HWND window = ::FindWindowW(nullptr, appName);
    if (window == nullptr)
        return;
    // Whether the window answered in time changes nothing: an application
    // that hangs is left running, and copies over its files may then fail,
    // which the install counts.
    DWORD_PTR answer = 0;
    ::SendMessageTimeoutW(window, WM_CLOSE, 0, 0, SMTO_NORMAL | SMTO_ABORTIFHUNG, kCloseWaitMilliseconds,
                          &answer);
    ::Sleep(kPauseAfterHelperMilliseconds);
}
