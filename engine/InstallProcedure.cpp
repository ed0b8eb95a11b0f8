#include "engine/InstallProcedure.h"

#include <cwchar>
#include <initializer_list>

#include "app/Globals.h"
#include "app/PathText.h"
#include "app/PlatformProbes.h"
#include "engine/ConfigurationCheck.h"
#include "engine/FailWarning.h"
#include "engine/FileOperations.h"
#include "engine/FileTables.h"
#include "engine/HelperProcesses.h"
#include "engine/RegistryKeys.h"
#include "engine/Shortcuts.h"
#include "engine/WarningTexts.h"

namespace {

// A required file must reach the installation; an optional one (an image, a
// language library) may be missing from the distribution.
enum class CopyNeed { Required, Optional };

// Copies one file over whatever is at the target. A path that does not fit
// its buffer is not copied and counts as a failure.
bool CopyInstalledFile(std::initializer_list<const wchar_t*> from, std::initializer_list<const wchar_t*> to,
                       CopyNeed need)
{
    wchar_t source[MAX_PATH];
    wchar_t target[MAX_PATH];
    if (!ComposeText(source, from) || !ComposeText(target, to))
        return false;
    if (need == CopyNeed::Optional && !PathExists(source))
        return true;  // a file the distribution leaves out is not an error
    return ::CopyFileW(source, target, FALSE) != FALSE;
}

// Writes one REG_SZ value, its terminating zero included.
bool SetTextValue(HKEY key, const wchar_t* name, const wchar_t* data)
{
    const DWORD bytes = static_cast<DWORD>((std::wcslen(data) + 1) * sizeof(wchar_t));
    return ::RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(data), bytes) == ERROR_SUCCESS;
}

// The folders, then every copy in the order the uninstall expects them.
bool InstallFiles(const wchar_t* sourceDir, const SetupConfig& config)
{
    const wchar_t* installDir = config.szInstallDir;
    wchar_t uninstallDir[MAX_PATH];
    wchar_t imagesDir[MAX_PATH];
    if (!ComposeText(uninstallDir, {installDir, L"\\Uninstall"}) ||
        !ComposeText(imagesDir, {installDir, L"\\Images"}))
        return false;  // then no file of the installation fits either

    // Folder results are not looked at: a folder that could not be made
    // shows up as failed copies into it.
    if (!PathExists(installDir)) {
        ::CreateDirectoryW(installDir, nullptr);
        ::CreateDirectoryW(uninstallDir, nullptr);
    } else if (!PathExists(uninstallDir)) {
        ::CreateDirectoryW(uninstallDir, nullptr);
    }

    bool copied = true;
    // The uninstaller is the distribution's own setup.exe, whatever name the
    // running copy has.
    copied &= CopyInstalledFile({sourceDir, L"setup.exe"}, {uninstallDir, L"\\setup.exe"}, CopyNeed::Required);
    copied &= CopyInstalledFile({sourceDir, L"setup.ini"}, {uninstallDir, L"\\setup.ini"}, CopyNeed::Required);
    for (size_t row = 0; row < kInstalledLanguageLibraryCount; ++row) {
        const wchar_t* library = LanguageLibraryTable[row];
        copied &= CopyInstalledFile({sourceDir, library}, {uninstallDir, L"\\", library}, CopyNeed::Optional);
    }
    copied &= CopyInstalledFile({sourceDir, L"setup.ini"}, {installDir, L"\\setup.ini"}, CopyNeed::Required);
    copied &= CopyInstalledFile({sourceDir, L"Application\\mingwm10.dll"}, {installDir, L"\\mingwm10.dll"},
                                CopyNeed::Required);
    copied &= CopyInstalledFile({sourceDir, L"Application\\", config.szAppFileName},
                                {installDir, L"\\", config.szAppFileName}, CopyNeed::Required);

    ::CreateDirectoryW(imagesDir, nullptr);  // an existing folder is fine
    for (const auto& image : ImageFileTable)
        copied &= CopyInstalledFile({sourceDir, L"Application\\", image}, {installDir, L"\\", image},
                                    CopyNeed::Optional);

    if (g_bIsNT6)
        copied &= CopyInstalledFile({sourceDir, L"Application\\", kServiceSetupFileName},
                                    {installDir, L"\\", kServiceSetupFileName}, CopyNeed::Required);
    return copied;
}

// The logon start of the application before Windows NT 6.x. The Run key is
// only opened: a system without it gets no value and no warning.
bool WriteRunValue(const SetupConfig& config)
{
    wchar_t runKey[kRegistryKeyCapacity];
    wchar_t command[kCommandLineCapacity];
    // The program path stands in quotes: unquoted, a path with blanks lets a
    // stray C:\Program.exe start in its place at every logon.
    if (!ComposeRunKey(runKey) ||
        !ComposeText(command, {L"\"", config.szInstallDir, L"\\", config.szAppFileName, L"\" min"}))
        return false;
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, runKey, 0, KEY_WRITE, &key) != ERROR_SUCCESS)
        return false;
    const bool written = SetTextValue(key, config.szAppName, command);
    if (!written)
        ShowFailWarning(kFailWriteRunKey);
    ::RegCloseKey(key);
    return written;
}

// The machine's uninstall entry. A value whose write fails with a warning
// ends the entry there; the publisher is the one value that may fail quietly.
bool WriteUninstallEntry(const SetupConfig& config)
{
    wchar_t uninstallKey[kRegistryKeyCapacity];
    wchar_t uninstaller[MAX_PATH];
    wchar_t uninstallCommand[kCommandLineCapacity];
    if (!ComposeUninstallKey(config.szAppFolderName, uninstallKey) ||
        !ComposeText(uninstaller, {config.szInstallDir, L"\\Uninstall\\setup.exe"}) ||
        !ComposeText(uninstallCommand, {L"\"", uninstaller, L"\" delpkg"}))
        return false;

    HKEY key = nullptr;
    if (::RegCreateKeyExW(HKEY_LOCAL_MACHINE, uninstallKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE,
                          nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;

    const struct {
        const wchar_t* name;
        const wchar_t* data;
        const wchar_t* warning;  // null: the write may fail without a word
    } values[] = {
        {L"UninstallString", uninstallCommand, kFailWriteUninstallString},
        {L"DisplayName", config.szAppName, kFailWriteDisplayName},
        {L"DisplayIcon", uninstaller, kFailWriteDisplayIcon},
        {L"Publisher", config.szCompanyName, nullptr},
        {L"DisplayVersion", config.szVersion, kFailWriteDisplayVersion},
    };
    bool written = true;
    for (const auto& value : values) {
        if (SetTextValue(key, value.name, value.data))
            continue;
        written = false;
        if (value.warning != nullptr) {
            ShowFailWarning(value.warning);
            break;
        }
    }
    ::RegCloseKey(key);
    return written;
}

}  // namespace

bool InstallFilesAndRegistry(const wchar_t* sourceDir, const SetupConfig& config)
{
    bool installed = InstallFiles(sourceDir, config);
    if (!g_bIsNT6)
        installed &= WriteRunValue(config);
    installed &= WriteUninstallEntry(config);
    return installed;
}

bool RunInstall(const wchar_t* sourceDir, const SetupConfig& config)
{
    // Nothing is touched for a configuration whose names would lead outside
    // the installation's own folder, link and group.
    if (const wchar_t* unusableKey = FindUnusableNameKey(config)) {
        ShowRefusedNameWarning(unusableKey);
        return false;
    }
    const wchar_t* installDir = config.szInstallDir;

    // An earlier installation's service is taken down before its files are
    // overwritten.
    wchar_t installedServiceSetup[MAX_PATH];
    if (g_bIsNT6 && ComposeText(installedServiceSetup, {installDir, L"\\", kServiceSetupFileName}) &&
        PathExists(installedServiceSetup))
        TakeDownService(installDir);

    CloseRunningApplication(config.szAppName);

    bool installed = InstallFilesAndRegistry(sourceDir, config);

    if (g_bIsNT6 && !InstallService(installDir)) {
        ShowFailWarning(kFailInstallService);
        return false;
    }

    wchar_t application[MAX_PATH];
    wchar_t uninstaller[MAX_PATH];
    if (!ComposeText(application, {installDir, L"\\", config.szAppFileName}) ||
        !ComposeText(uninstaller, {installDir, L"\\Uninstall\\setup.exe"}))
        return false;
    installed &= CreateDesktopShortcut(application, config.szAppName);
    installed &= CreateStartMenuShortcut(config.szAppName, application, config.szAppName, nullptr);
    installed &= CreateStartMenuShortcut(config.szAppName, uninstaller, L"Uninstall", L"delpkg");

    if (g_bIsNT6)
        MarkCompatPersisted(application);
    return installed;
}
