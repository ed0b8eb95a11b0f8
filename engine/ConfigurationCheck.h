#pragma once
#include "app/SetupConfig.h"

// setup.ini values that become file or folder names must each be one plain
// name, or the installation would land elsewhere than its folder name says
// (at the drive root, beside another product, over a system file).

// True when name can stand as exactly one file or folder name: not empty, no
// path separator, drive colon, control character or any of * ? " < > |, not
// "." or "..", no final dot or blank (which Windows drops), and not a device
// name such as CON or LPT1.
bool IsPlainName(const wchar_t* name);

// The setup.ini key whose value cannot serve as a name ("APPFolderName",
// "APPFileName" or "AppName"), or null when all three can. An install folder
// that did not fit its buffer counts against "APPFolderName".
const wchar_t* FindUnusableNameKey(const SetupConfig& config);
