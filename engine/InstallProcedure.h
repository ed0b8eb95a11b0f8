#pragma once
#include "app/SetupConfig.h"

// Installs the managed application from sourceDir (the distribution folder,
// ending in a backslash) as config describes. True when no failure was met: no
// warning box was shown and every required file, registry value and link was
// written. A configuration whose names cannot serve as file or folder names
// is refused with a warning before anything is touched.
bool RunInstall(const wchar_t* sourceDir, const SetupConfig& config);

// Folders, copies and registry entries; the part of RunInstall that a failed
// registry write ends early. True when no failure was met.
bool InstallFilesAndRegistry(const wchar_t* sourceDir, const SetupConfig& config);
