#include "engine/SilentInstall.h"

#include "app/PathText.h"
#include "engine/ConfigurationCheck.h"
#include "engine/HelperProcesses.h"
#include "engine/InstallProcedure.h"

bool SilentInstall(const wchar_t* sourceDir)
{
    // A setup.ini path that does not fit leaves the record empty, which the
    // install refuses with its warning.
    SetupConfig config;
    ReadSetupConfig(sourceDir, config);
    const bool installed = RunInstall(sourceDir, config);
    // The application is started whatever the install met; the launch itself
    // refuses a configuration the install refused.
    if (config.bLaunchInSilentMode)
        LaunchInstalledApplication(sourceDir, &config);
    return installed;
}

bool LaunchInstalledApplication(const wchar_t* sourceDir, const SetupConfig* config)
{
    SetupConfig launchConfig;
    if (config != nullptr)
        launchConfig = *config;
    else
        ReadSetupConfig(sourceDir, launchConfig);
    // Names that lead outside the install folder would start another program.
    if (FindUnusableNameKey(launchConfig) != nullptr)
        return false;

    // The program path stands in quotes: unquoted, a path with blanks lets a
    // stray C:\Program.exe start in its place.
    wchar_t commandLine[kCommandLineCapacity];
    if (!ComposeText(commandLine, {L"\"", launchConfig.szInstallDir, L"\\", launchConfig.szAppFileName, L"\""}))
        return false;
    HANDLE process = RunCommandLine(commandLine);
    if (process == nullptr)
        return false;  // an application that cannot be started gives no message
    ::CloseHandle(process);
    return true;
}
