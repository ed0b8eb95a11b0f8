#include "engine/UninstallProcedure.h"

#include "app/Globals.h"
#include "app/PathText.h"
#include "engine/ConfigurationCheck.h"
#include "engine/FileTables.h"
#include "engine/HelperProcesses.h"
#include "engine/RegistryKeys.h"
#include "engine/Shortcuts.h"

namespace {

const wchar_t kUninstallLinkName[] = L"Uninstall";

// Deletes {install}\{relativePath}. A file that is missing, or that a running
// program still holds, is not an error: the uninstall goes on quietly.
void DeleteInstalledFile(const wchar_t* installDir, const wchar_t* relativePath)
{
    wchar_t path[MAX_PATH];
    if (!ComposeText(path, {installDir, L"\\", relativePath}))
        return;  // a path that does not fit names nothing the install placed
    ::DeleteFileW(path);  // quiet by design, see above
}

// Deletes the machine's uninstall entry {APPFolderName}; the entry holds
// values only, so the key goes with them.
void RemoveUninstallEntry(const wchar_t* appFolderName)
{
    wchar_t entryKey[kRegistryKeyCapacity];
    if (!ComposeUninstallKey(appFolderName, entryKey))
        return;
    ::RegDeleteKeyW(HKEY_LOCAL_MACHINE, entryKey);  // an entry already gone is what is wanted
}

// Deletes the logon Run value named {AppName}.
void RemoveRunValue(const wchar_t* appName)
{
    wchar_t runKey[kRegistryKeyCapacity];
    if (!ComposeRunKey(runKey))
        return;
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, runKey, 0, KEY_WRITE, &key) != ERROR_SUCCESS)
        return;  // no Run key, so no value to remove
    ::RegDeleteValueW(key, appName);  // a value already gone is what is wanted
    ::RegCloseKey(key);
}

}  // namespace

bool RunUninstall(const SetupConfig& config)
{
    // Names that are not one plain name each would lead the deletions outside
    // the installation (an empty folder name to the drive root, "..\" in the
    // file name to another folder, an empty application name to untitled
    // windows and the programs folder itself): nothing is touched then.
    if (FindUnusableNameKey(config) != nullptr)
        return false;

    if (g_bIsNT6)
        TakeDownService(config.szInstallDir);
    CloseRunningApplication(config.szAppName);

    RemoveFilesAndRegistry(config);

    DeleteDesktopShortcut(config.szAppName);
    DeleteStartMenuShortcut(config.szAppName, config.szAppName, false);
    DeleteStartMenuShortcut(config.szAppName, kUninstallLinkName, true);
    return true;
}

void RemoveFilesAndRegistry(const SetupConfig& config)
{
    if (FindUnusableNameKey(config) != nullptr)
        return;  // see RunUninstall
    const wchar_t* installDir = config.szInstallDir;

    DeleteInstalledFile(installDir, L"mingwm10.dll");
    DeleteInstalledFile(installDir, config.szAppFileName);
    // The application writes its settings here; the install never does.
    DeleteInstalledFile(installDir, L"Cfg.QV");
    DeleteInstalledFile(installDir, L"setup.ini");

    // Every row is tried: an image the distribution lacked is simply missing.
    for (const auto& row : ImageFileTable)
        DeleteInstalledFile(installDir, row);

    if (g_bIsNT6)
        DeleteInstalledFile(installDir, kServiceSetupFileName);

    RemoveUninstallEntry(config.szAppFolderName);
    // On NT 6.x the service, not a Run value, starts the application.
    if (!g_bIsNT6)
        RemoveRunValue(config.szAppName);
}
