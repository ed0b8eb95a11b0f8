#pragma once
#include "app/SetupConfig.h"

// Removes what the install placed, entirely silently. The Uninstall folder,
// where the running uninstaller lives, is left for the self-removal script.
// False, touching nothing, when the configuration's folder, file or
// application name is not one plain name; otherwise true (failures are silent).
bool RunUninstall(const SetupConfig& config);

// File deletions and registry removal; part of RunUninstall.
void RemoveFilesAndRegistry(const SetupConfig& config);
