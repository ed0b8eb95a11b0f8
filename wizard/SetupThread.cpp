#include "wizard/SetupThread.h"

#include "app/PathText.h"
#include "app/SetupConfig.h"
#include "engine/InstallProcedure.h"
#include "engine/UninstallProcedure.h"

SetupThreadParam g_threadParam = {};

bool StartSetupThread(HWND hDlg, const wchar_t* sourceDir, BOOL bUninstall)
{
    // The setup directory comes from a buffer of the same size, so it fits.
    ComposeText(g_threadParam.szSourceDir, {sourceDir});
    g_threadParam.hDlg = hDlg;
    g_threadParam.bUninstall = bUninstall;

    DWORD threadId = 0;
    HANDLE thread = ::CreateThread(nullptr, 0, &SetupThreadProc, &g_threadParam, 0, &threadId);
    if (thread == nullptr)
        return false;
    ::CloseHandle(thread);  // nobody waits for the worker
    return true;
}

DWORD WINAPI SetupThreadProc(LPVOID parameter)
{
    const SetupThreadParam param = *static_cast<const SetupThreadParam*>(parameter);

    // A configuration the reader refuses is a failure: the procedures would
    // work on an empty install folder.
    SetupConfig config = {};
    const bool configRead = ReadSetupConfig(param.szSourceDir, config);

    // A post to a wizard that has gone is lost, which is all that can be done.
    if (param.bUninstall) {
        ::PostMessageW(param.hDlg, WM_SETUP_PROGRESS, PROGRESS_UNINSTALL_BEGIN, 0);
        const bool succeeded = configRead && RunUninstall(config);
        ::PostMessageW(param.hDlg, WM_SETUP_PROGRESS, PROGRESS_UNINSTALL_END,
                       succeeded ? kProgressSucceeded : kProgressFailed);
    } else {
        ::PostMessageW(param.hDlg, WM_SETUP_PROGRESS, PROGRESS_INSTALL_BEGIN, 0);
        const bool succeeded = configRead && RunInstall(param.szSourceDir, config);
        ::PostMessageW(param.hDlg, WM_SETUP_PROGRESS, PROGRESS_INSTALL_END,
                       succeeded ? kProgressSucceeded : kProgressFailed);
    }
    return 1;
}
