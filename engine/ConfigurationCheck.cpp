#include "engine/ConfigurationCheck.h"

#include <cwchar>

#include "app/PathText.h"

namespace {

const wchar_t kForbiddenNameCharacters[] = L"\\/:*?\"<>|";

const wchar_t* const kDeviceNames[] = {
    L"CON",  L"PRN",  L"AUX",  L"NUL",  L"COM1", L"COM2", L"COM3", L"COM4", L"COM5", L"COM6", L"COM7",
    L"COM8", L"COM9", L"LPT1", L"LPT2", L"LPT3", L"LPT4", L"LPT5", L"LPT6", L"LPT7", L"LPT8", L"LPT9",
};

// Windows opens the device for such a name whatever extension follows it.
bool IsDeviceName(const wchar_t* name)
{
    wchar_t base[MAX_PATH] = {};
    const size_t baseLength = std::wcscspn(name, L".");
    if (baseLength >= MAX_PATH)
        return false;
    std::wmemcpy(base, name, baseLength);
    for (const wchar_t* device : kDeviceNames) {
        if (EqualsIgnoringAsciiCase(base, device))
            return true;
    }
    return false;
}

}  // namespace

bool IsPlainName(const wchar_t* name)
{
    const size_t length = std::wcslen(name);
    if (length == 0)
        return false;
    for (const wchar_t* c = name; *c != L'\0'; ++c) {
        if (*c < L' ' || std::wcschr(kForbiddenNameCharacters, *c) != nullptr)
            return false;
    }
    // "." and ".." end in a dot as well.
    const wchar_t last = name[length - 1];
    if (last == L'.' || last == L' ')
        return false;
    return !IsDeviceName(name);
}

const wchar_t* FindUnusableNameKey(const SetupConfig& config)
{
    if (!IsPlainName(config.szAppFolderName) || config.szInstallDir[0] == L'\0')
        return L"APPFolderName";
    if (!IsPlainName(config.szAppFileName))
        return L"APPFileName";
    if (!IsPlainName(config.szAppName))
        return L"AppName";
    return nullptr;
}
