#include "app/SetupApp.h"

#include <cstring>

#include "app/ExitCodes.h"
#include "app/Globals.h"
#include "app/LanguageLibrary.h"
#include "app/PathText.h"
#include "app/PlatformProbes.h"
#include "app/SetupCommandLineInfo.h"
#include "engine/SelfRemovalBatch.h"
#include "engine/SilentInstall.h"
#include "wizard/SetupDlg.h"

namespace {

const wchar_t kSingleInstanceMutex[] = L"ZTA410_INSTALL";

int ExitCodeOf(INT_PTR modalResult, WorkOutcome outcome)
{
    if (modalResult == -1)
        return kExitInstallFailure;  // the wizard could not be shown
    switch (outcome) {
    case WorkOutcome::Succeeded:
        return kExitSuccess;
    case WorkOutcome::Failed:
        return kExitInstallFailure;
    case WorkOutcome::NotStarted:
        break;
    }
    return kExitUserCancelled;
}

}  // namespace

CSetupApp::CSetupApp() : m_hMutex(nullptr), m_config(), m_bUninstall(0), m_szSetupDir(), m_bUninstallRan(0)
{
}

CSetupApp::~CSetupApp() = default;

BOOL CSetupApp::InitInstance()
{
    HANDLE running = ::OpenMutexW(MUTEX_ALL_ACCESS, FALSE, kSingleInstanceMutex);
    if (running != nullptr) {
        ::CloseHandle(running);
        SetExitCode(kExitAlreadyRunning);
        return FALSE;
    }
    // Two copies started at the same moment can both pass the test above: a
    // mutex that already existed when this copy created it is the other's.
    m_hMutex = ::CreateMutexW(nullptr, FALSE, kSingleInstanceMutex);
    if (m_hMutex != nullptr && ::GetLastError() == ERROR_ALREADY_EXISTS) {
        ::CloseHandle(m_hMutex);
        m_hMutex = nullptr;
        SetExitCode(kExitAlreadyRunning);
        return FALSE;
    }

    wchar_t modulePath[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameW(nullptr, modulePath, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        SetExitCode(kExitInstallFailure);  // a cut path would name another program
        return FALSE;
    }
    GetPathDirectory(modulePath, m_szSetupDir);
    const wchar_t* setupDir = m_szSetupDir;
    LowerCaseAsciiInPlace(modulePath);

    CSetupCommandLineInfo commandLine;
    win::ParseCommandLine(commandLine);

    g_bIsWow64 = IsRunningUnderWow64();
    g_bIsNT6 = IsWindowsNT6();
    if (g_bIsNT6)
        MarkCompatPersisted(modulePath);

    ReadSetupConfig(setupDir, m_config);

    m_bUninstall = 0;
    if (commandLine.m_nParams >= 1) {
        if (commandLine.m_bDelPkg) {
            m_bUninstall = 1;
        } else if (commandLine.m_bSilent) {
            SetExitCode(SilentInstall(setupDir) ? kExitSuccess : kExitInstallFailure);
            return FALSE;
        }
    }

    g_hLangLib = LoadLanguageLibrary(modulePath);
    if (g_hLangLib == nullptr) {
        SetExitCode(kExitInstallFailure);
        return FALSE;
    }

    CSetupDlg wizard(setupDir, m_bUninstall, nullptr);
    const INT_PTR result = wizard.DoModal();
    // A failed uninstall is one the procedure refused (a configuration it
    // cannot work on) and so touched nothing: the uninstaller must stay.
    m_bUninstallRan = m_bUninstall && wizard.Outcome() == WorkOutcome::Succeeded;
    SetExitCode(ExitCodeOf(result, wizard.Outcome()));
    if (result == IDOK && g_bLaunchApp)
        LaunchInstalledApplication(setupDir, nullptr);
    return FALSE;
}

int CSetupApp::ExitInstance()
{
    if (m_hMutex != nullptr) {
        ::CloseHandle(m_hMutex);
        m_hMutex = nullptr;
    }
    // The library is let go before the self-removal starts: it lives in the
    // Uninstall folder that the script deletes.
    if (g_hLangLib != nullptr) {
        ::FreeLibrary(g_hLangLib);
        g_hLangLib = nullptr;
    }
    // Only after the uninstall procedure ran: a cancelled uninstall keeps its
    // uninstaller. Without a script the Uninstall folder simply stays, which
    // nothing at exit could mend.
    if (m_bUninstallRan)
        WriteSelfRemovalBatch(m_config, m_szSetupDir);
    return win::Application::ExitInstance();
}
