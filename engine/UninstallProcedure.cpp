#include "engine/UninstallProcedure.h"

#include "app/Globals.h"
#include "app/PathText.h"
#include "engine/FileTables.h"
#include "engine/HelperProcesses.h"
#include "engine/Shortcuts.h"

namespace {

const wchar_t kRegistryPrefix[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\";
const wchar_t kRegistryPrefixWow64[] = L"SOFTWARE\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\";
const wchar_t kUninstallLinkName[] = L"Uninstall";

// Registry key paths are composed in buffers of this size.
constexpr size_t kRegistryKeyLength = 1024;

// Deletes {install}\{relativePath}. A file that is missing, or that a running
// program still holds, is not an error: the uninstall goes on quietly.
void DeleteInstalledFile(const wchar_t* installDir, const wchar_t* relativePath)
{
    wchar_t path[MAX_PATH] = {};
    if (!ComposeText(path, {installDir, L"\\", relativePath}))
        return;  // a path that does not fit names nothing the install placed
    ::DeleteFileW(path);  // quiet by design, see above
}

// Deletes the sub-key {APPFolderName} of the machine's uninstall key.
void RemoveUninstallEntry(const wchar_t* prefix, const wchar_t* appFolderName)
{
    wchar_t keyPath[kRegistryKeyLength] = {};
    if (!ComposeText(keyPath, {prefix, L"Uninstall"}))
        return;
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, keyPath, 0, KEY_WRITE, &key) != ERROR_SUCCESS)
        return;  // no uninstall key, so no entry to remove
    ::RegDeleteKeyW(key, appFolderName);  // a missing entry is already removed
    ::RegCloseKey(key);
}

// Deletes the logon Run value named {AppName}.
void RemoveRunValue(const wchar_t* prefix, const wchar_t* appName)
{
    wchar_t keyPath[kRegistryKeyLength] = {};
    if (!ComposeText(keyPath, {prefix, L"Run"}))
        return;
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, keyPath, 0, KEY_WRITE, &key) != ERROR_SUCCESS)
        return;  // no Run key, so no value to remove
    ::RegDeleteValueW(key, appName);  // a missing value is already removed
    ::RegCloseKey(key);
}

}  // namespace

bool RunUninstall(const SetupConfig& config)
{
    // Without an install folder every path below would name the root of the
    // current drive: nothing is touched then.
    if (config.szInstallDir[0] == L'\0')
        return false;
    const bool hasAppName = config.szAppName[0] != L'\0';

    if (g_bIsNT6)
        TakeDownService(config.szInstallDir);
    // An empty title would match any untitled window.
    if (hasAppName)
        CloseRunningApplication(config.szAppName);

    RemoveFilesAndRegistry(config);

    // An empty name would make the links ".lnk" and the group the programs
    // folder itself.
    if (hasAppName) {
        DeleteDesktopShortcut(config.szAppName);
        DeleteStartMenuShortcut(config.szAppName, config.szAppName, false);
        DeleteStartMenuShortcut(config.szAppName, kUninstallLinkName, true);
    }
    return true;
}

void RemoveFilesAndRegistry(const SetupConfig& config)
{
    const wchar_t* installDir = config.szInstallDir;
    if (installDir[0] == L'\0')
        return;

    DeleteInstalledFile(installDir, L"mingwm10.dll");
    if (config.szAppFileName[0] != L'\0')
        DeleteInstalledFile(installDir, config.szAppFileName);
    // The application writes its settings here; the install never does.
    DeleteInstalledFile(installDir, L"Cfg.QV");
    DeleteInstalledFile(installDir, L"setup.ini");

    // Every row is tried: an image the distribution lacked is simply missing.
    for (const auto& row : ImageFileTable)
        DeleteInstalledFile(installDir, row);

    if (g_bIsNT6)
        DeleteInstalledFile(installDir, L"NorSrvSetup.exe");

    const wchar_t* prefix = g_bIsWow64 ? kRegistryPrefixWow64 : kRegistryPrefix;
    // An empty name would address the uninstall key itself.
    if (config.szAppFolderName[0] != L'\0')
        RemoveUninstallEntry(prefix, config.szAppFolderName);

    // On NT 6.x the service, not a Run value, starts the application.
    if (g_bIsNT6)
        return;
    // An empty name would address the Run key's default value.
    if (config.szAppName[0] != L'\0')
        RemoveRunValue(prefix, config.szAppName);
}
