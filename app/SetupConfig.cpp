#include "app/SetupConfig.h"

#include <cstring>

#include "app/Globals.h"
#include "app/PathText.h"

namespace {

// Reads one text value; the field keeps its zeroes when the value is empty.
void ReadText(const wchar_t* section, const wchar_t* key, const wchar_t* defaultValue,
              const wchar_t* iniPath, wchar_t (&field)[MAX_PATH])
{
    wchar_t value[MAX_PATH] = {};
    if (::GetPrivateProfileStringW(section, key, defaultValue, value, MAX_PATH, iniPath) > 0)
        ComposeText(field, {value});
}

}  // namespace

bool ComposeInstallDir(const wchar_t* folderName, wchar_t (&installDir)[MAX_PATH])
{
    installDir[0] = L'\0';
    wchar_t windowsDir[MAX_PATH] = {};
    const UINT length = ::GetWindowsDirectoryW(windowsDir, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return false;
    return ComposeInstallDirUnder(windowsDir, folderName, installDir);
}

bool ComposeInstallDirUnder(const wchar_t* windowsDir, const wchar_t* folderName,
                            wchar_t (&installDir)[MAX_PATH])
{
    wchar_t prefix[MAX_PATH] = {};
    GetPathDirectory(windowsDir, prefix);
    const wchar_t* programFiles = g_bIsWow64 ? L"Program Files (x86)" : L"Program Files";
    return ComposeText(installDir, {prefix, programFiles, L"\\", folderName});
}

bool ReadSetupConfig(const wchar_t* setupDir, SetupConfig& config)
{
    std::memset(&config, 0, sizeof(config));
    wchar_t iniPath[MAX_PATH] = {};
    if (!ComposeText(iniPath, {setupDir, kSetupIniFileName}))
        return false;

    bool fits = true;
    wchar_t folderName[MAX_PATH] = {};
    if (::GetPrivateProfileStringW(kSectionCustomizedSetting, kKeyAppFolderName, kDefaultAppFolderName, folderName,
                                   MAX_PATH, iniPath) > 0) {
        ComposeText(config.szAppFolderName, {folderName});
        fits = ComposeInstallDir(folderName, config.szInstallDir);
    }
    ReadText(kSectionCustomizedSetting, L"APPFileName", L"RIDoreDizor.exe", iniPath, config.szAppFileName);
    ReadText(kSectionStartup, kKeyAppName, kDefaultAppName, iniPath, config.szAppName);
    ReadText(kSectionStartup, L"CompanyName", L"Quorvel Technology Corp.", iniPath,
             config.szCompanyName);
    ReadText(kSectionStartup, L"Version", L"1.00.00", iniPath, config.szVersion);
    config.bLaunchInSilentMode =
        ::GetPrivateProfileIntW(kSectionCustomizedSetting, L"LaunchAPInSilentMode", 0, iniPath) != 0 ? 1 : 0;
    return fits;
}
