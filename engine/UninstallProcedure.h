#pragma once
#include "app/SetupConfig.h"

// Removes what the install placed, entirely silently. The Uninstall folder,
// where the running uninstaller lives, is left for the self-removal script.
// True when it ran (it reports no failures of its own).
bool RunUninstall(const SetupConfig& config);

// File deletions and registry removal; part of RunUninstall.
void RemoveFilesAndRegistry(const SetupConfig& config);
