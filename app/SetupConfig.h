#pragma once
#include <windows.h>

// The names in setup.ini that more than one reader of the file uses, with the
// defaults a missing key takes.
constexpr wchar_t kSetupIniFileName[] = L"setup.ini";
constexpr wchar_t kSectionCustomizedSetting[] = L"Customized_Setting";
constexpr wchar_t kSectionStartup[] = L"Startup";
constexpr wchar_t kKeyAppFolderName[] = L"APPFolderName";
constexpr wchar_t kKeyAppName[] = L"AppName";
constexpr wchar_t kDefaultAppFolderName[] = L"ZTA470";
constexpr wchar_t kDefaultAppName[] = L"Quorvel HW RAID Manager";

// Everything that tells one packaged product from another, read from the
// setup.ini beside setup.exe, plus the install folder computed from it.
struct SetupConfig {
    wchar_t szInstallDir[MAX_PATH];     // no final backslash
    wchar_t szAppFileName[MAX_PATH];    // "APPFileName"
    wchar_t szAppName[MAX_PATH];        // "AppName": window title, link and group name
    wchar_t szCompanyName[MAX_PATH];    // "CompanyName"
    wchar_t szAppFolderName[MAX_PATH];  // "APPFolderName": last level of szInstallDir
    wchar_t szVersion[MAX_PATH];        // "Version"
    BOOL bLaunchInSilentMode;           // "LaunchAPInSilentMode" not 0
};

// Reads setupDir + "setup.ini" (setupDir ends with a backslash) into config;
// missing keys take their defaults. Returns false, leaving the record zeroed,
// when the file's path does not fit its buffer; an install folder that does
// not fit is left empty and also gives false.
bool ReadSetupConfig(const wchar_t* setupDir, SetupConfig& config);

// The folder the installation goes to for a folder name: the parent of the
// Windows folder (not its drive root), "Program Files" or "Program Files (x86)"
// by the WOW64 flag, then the name. False, and empty, when it does not fit.
bool ComposeInstallDir(const wchar_t* folderName, wchar_t (&installDir)[MAX_PATH]);
bool ComposeInstallDirUnder(const wchar_t* windowsDir, const wchar_t* folderName,
                            wchar_t (&installDir)[MAX_PATH]);
