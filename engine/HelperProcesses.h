#pragma once
#include <windows.h>

#include <cstddef>

// The service setup program, shipped in the distribution's Application folder
// and installed beside the application on Windows NT 6.x.
constexpr wchar_t kServiceSetupFileName[] = L"NorSrvSetup.exe";

// Room for a command line: a quoted program path of up to MAX_PATH - 1
// characters and a short argument.
constexpr size_t kCommandLineCapacity = MAX_PATH + 32;

// Starts a command line as a new process and returns its handle, or null when
// it cannot be started. Nothing waits for the process; the caller closes the
// handle.
HANDLE RunCommandLine(const wchar_t* commandLine);

// Runs "{installDir}\NorSrvSetup.exe" -k, then -u, pausing 1000 ms after each.
void TakeDownService(const wchar_t* installDir);

// Runs "{installDir}\NorSrvSetup.exe" -i; true when the process was started.
bool InstallService(const wchar_t* installDir);

// Sends WM_CLOSE to the first top-level window titled appName, waiting a
// bounded time for it to be handled, then pauses 1000 ms. Without such a
// window it returns at once.
void CloseRunningApplication(const wchar_t* appName);
