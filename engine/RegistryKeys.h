#pragma once
#include <cstddef>

// Key paths under HKEY_LOCAL_MACHINE of the uninstall entry and the logon Run
// value. A 32-bit setup on 64-bit Windows (g_bIsWow64) writes them below
// "SOFTWARE\Wow6432Node\", where the 32-bit registry view keeps them.

constexpr size_t kRegistryKeyCapacity = 1024;

// {prefix}Uninstall\{folderName}; false, and empty, when it does not fit.
bool ComposeUninstallKey(const wchar_t* folderName, wchar_t (&key)[kRegistryKeyCapacity]);

// {prefix}Run.
bool ComposeRunKey(wchar_t (&key)[kRegistryKeyCapacity]);
