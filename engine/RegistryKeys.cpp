#include "engine/RegistryKeys.h"

#include "app/Globals.h"
#include "app/PathText.h"

namespace {

const wchar_t* RegistryPrefix()
{
    return g_bIsWow64 ? L"SOFTWARE\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\"
                      : L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\";
}

}  // namespace

bool ComposeUninstallKey(const wchar_t* folderName, wchar_t (&key)[kRegistryKeyCapacity])
{
    return ComposeText(key, {RegistryPrefix(), L"Uninstall\\", folderName});
}

bool ComposeRunKey(wchar_t (&key)[kRegistryKeyCapacity])
{
    return ComposeText(key, {RegistryPrefix(), L"Run"});
}
