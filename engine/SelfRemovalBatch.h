#pragma once
#include "app/SetupConfig.h"

// Writes the script that removes the uninstaller's own folder once the
// uninstaller has ended, and starts it hidden. setupDir is the folder of the
// running uninstaller ({install}\Uninstall\), whose setup.ini names the folder.
void WriteSelfRemovalBatch(const SetupConfig& config, const wchar_t* setupDir);
