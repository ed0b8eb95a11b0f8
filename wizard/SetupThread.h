#pragma once
#include <windows.h>

// The worker that runs the install or the uninstall procedure while the
// wizard stays responsive. It reaches the wizard only by posting
// WM_SETUP_PROGRESS, never by touching a window object.

// Reports the begin and the end of the work; the low byte of wParam holds a
// SetupProgressCode, lParam of an end code tells success (1) or failure.
constexpr UINT WM_SETUP_PROGRESS = WM_USER + 100;

enum SetupProgressCode : BYTE {
    PROGRESS_INSTALL_BEGIN = 1,
    PROGRESS_INSTALL_END = 2,
    PROGRESS_INSTALL_FAILED = 3,
    PROGRESS_UNINSTALL_BEGIN = 4,
    PROGRESS_UNINSTALL_END = 5,
    PROGRESS_UNINSTALL_FAILED = 6,
};

// lParam of an end code.
constexpr LPARAM kProgressSucceeded = 1;
constexpr LPARAM kProgressFailed = 0;

// The hand-over record: written by the main thread before the worker starts,
// copied whole by the worker before it reads any field.
struct SetupThreadParam {
    wchar_t szSourceDir[MAX_PATH];  // the setup directory, ending in a backslash
    HWND hDlg;                      // the wizard, to which the worker posts; may be null
    INT32 bUninstall;               // non-zero: the uninstall procedure
};

extern SetupThreadParam g_threadParam;

// Fills g_threadParam and starts the worker; nothing waits for it or keeps
// its handle. False when the thread could not be started.
bool StartSetupThread(HWND hDlg, const wchar_t* sourceDir, BOOL bUninstall);

// The worker's routine: reads setup.ini afresh, posts the begin code, runs the
// procedure and posts the end code with its outcome. Returns 1.
DWORD WINAPI SetupThreadProc(LPVOID parameter);
