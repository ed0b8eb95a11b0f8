#pragma once
#include "app/SetupConfig.h"

// Installs from the distribution folder sourceDir (ending in a backslash)
// without any window of its own, then starts the application when setup.ini
// asks for it. True when the install met no failure.
bool SilentInstall(const wchar_t* sourceDir);

// Starts {install}\{APPFileName} with no arguments. With no configuration given,
// setup.ini in sourceDir is read afresh. True when the program was started.
bool LaunchInstalledApplication(const wchar_t* sourceDir, const SetupConfig* config);
