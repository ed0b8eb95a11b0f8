// Test driver: does what the uninstaller does once its wizard's action button
// is pressed, without the wizard. Copied into {install}\Uninstall beside the
// installed setup.exe, it reads the setup.ini of its own folder, runs the
// uninstall procedure and starts the self-removal script, then prints
// "uninstall=ran|refused script=started|none".
#include <windows.h>

#include <cstdio>

#include "app/Globals.h"
#include "app/PathText.h"
#include "app/PlatformProbes.h"
#include "app/SetupConfig.h"
#include "engine/SelfRemovalBatch.h"
#include "engine/UninstallProcedure.h"

int wmain()
{
    wchar_t modulePath[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameW(nullptr, modulePath, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return 2;
    wchar_t setupDir[MAX_PATH] = {};
    GetPathDirectory(modulePath, setupDir);

    g_bIsWow64 = IsRunningUnderWow64();
    g_bIsNT6 = IsWindowsNT6();
    SetupConfig config;
    ReadSetupConfig(setupDir, config);

    const bool ran = RunUninstall(config);
    const bool started = ran && WriteSelfRemovalBatch(config, setupDir);
    std::printf("uninstall=%s script=%s\n", ran ? "ran" : "refused", started ? "started" : "none");
    std::fflush(stdout);
    return 0;
}
