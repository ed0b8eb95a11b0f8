#include "app/PlatformProbes.h"

namespace {

using IsWow64ProcessFunction = BOOL(WINAPI*)(HANDLE, PBOOL);

const wchar_t kCompatPersistedKey[] =
    L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\AppCompatFlags\\Compatibility Assistant\\Persisted";

}  // namespace

BOOL IsRunningUnderWow64()
{
    HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
    if (kernel == nullptr)
        return FALSE;
    auto isWow64Process = reinterpret_cast<IsWow64ProcessFunction>(
        reinterpret_cast<void*>(::GetProcAddress(kernel, "IsWow64Process")));
    if (isWow64Process == nullptr)
        return FALSE;
    // A failing call leaves the flag at FALSE, which is the answer then.
    BOOL isWow64 = FALSE;
    isWow64Process(::GetCurrentProcess(), &isWow64);
    return isWow64;
}

BOOL IsWindowsNT6()
{
    OSVERSIONINFOW version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    if (!::GetVersionExW(&version))
        return FALSE;
    return version.dwPlatformId == VER_PLATFORM_WIN32_NT && version.dwMajorVersion == 6;
}

void MarkCompatPersisted(const wchar_t* programPath)
{
    HKEY key = nullptr;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, kCompatPersistedKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;  // no mark, and nothing to tell: the run goes on as before
    const DWORD persisted = 1;
    ::RegSetValueExW(key, programPath, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&persisted),
                     sizeof(persisted));
    ::RegCloseKey(key);
}
