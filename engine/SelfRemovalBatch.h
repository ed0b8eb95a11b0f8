#pragma once
#include <windows.h>

#include <string>

#include "app/SetupConfig.h"

// Writes the script that removes the uninstaller's own folder once the
// uninstaller has ended, and starts it hidden. setupDir is the folder of the
// running uninstaller ({install}\Uninstall\), whose setup.ini names the folder
// the script is written to and run in. True when the script was started.
bool WriteSelfRemovalBatch(const SetupConfig& config, const wchar_t* setupDir);

// The folder the script lives and runs in: the install folder composed from
// "APPFolderName" of setupDir's setup.ini, or the configuration's install
// folder when that name is empty. False, and empty, when there is none.
bool ComposeBatchFolder(const SetupConfig& config, const wchar_t* setupDir,
                        wchar_t (&batchDir)[MAX_PATH]);

// The script's text for the install folder and the script's own path, in the
// code page the command interpreter reads it with, lines ending in CR LF.
// False, and no text, when a path would not reach the interpreter unchanged.
bool ComposeSelfRemovalScript(const wchar_t* installDir, const wchar_t* batchFile, UINT codePage,
                              std::string& script);
