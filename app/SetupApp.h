#pragma once
#include "app/SetupConfig.h"
#include "win/Application.h"

// The application object of setup.exe: the only place where a run starts and
// ends. InitInstance does all of a run's work and always returns FALSE.
class CSetupApp : public win::Application {
public:
    CSetupApp();
    ~CSetupApp() override;

protected:
    BOOL InitInstance() override;
    int ExitInstance() override;

private:
    HANDLE m_hMutex;
    SetupConfig m_config;
    BOOL m_bUninstall;
    // The folder of the running executable, ending in a backslash.
    wchar_t m_szSetupDir[MAX_PATH];
    // The uninstall procedure ran in this process: only then may the
    // uninstaller remove its own folder at exit.
    BOOL m_bUninstallRan;
};
