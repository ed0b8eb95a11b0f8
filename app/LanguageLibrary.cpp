#include "app/LanguageLibrary.h"

#include <cwchar>

#include "app/PathText.h"
#include "engine/FileOperations.h"

namespace {

using GetUILanguageFunction = LANGID(WINAPI*)();

GetUILanguageFunction FindKernelFunction(const char* name)
{
    HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
    if (kernel == nullptr)
        return nullptr;
    return reinterpret_cast<GetUILanguageFunction>(
        reinterpret_cast<void*>(::GetProcAddress(kernel, name)));
}

}  // namespace

HMODULE TryLoadLanguageLibrary(const wchar_t* modulePath, LANGID languageId)
{
    const LCID locale = ::ConvertDefaultLocale(MAKELCID(languageId, SORT_DEFAULT));
    wchar_t code[4] = {};
    if (::GetLocaleInfoW(locale, LOCALE_SABBREVLANGNAME, code, 4) == 0)
        return nullptr;

    // The first ".exe" of the lower-cased path, even in a folder's name.
    const wchar_t* extension = std::wcsstr(modulePath, L".exe");
    if (extension == nullptr)
        return nullptr;
    wchar_t base[MAX_PATH] = {};
    const size_t baseLength = static_cast<size_t>(extension - modulePath);
    if (baseLength >= MAX_PATH)
        return nullptr;
    std::wmemcpy(base, modulePath, baseLength);

    wchar_t candidate[MAX_PATH] = {};
    wchar_t fallback[MAX_PATH] = {};
    if (!ComposeText(candidate, {base, code, L".DLL"}) || !ComposeText(fallback, {base, L"ENU.DLL"}))
        return nullptr;
    // English only stands in for a language that has no library at all.
    return ::LoadLibraryW(PathExists(candidate) ? candidate : fallback);
}

HMODULE LoadLanguageLibrary(const wchar_t* modulePath)
{
    HMODULE library = nullptr;
    GetUILanguageFunction userUILanguage = FindKernelFunction("GetUserDefaultUILanguage");
    if (userUILanguage != nullptr) {
        library = TryLoadLanguageLibrary(modulePath, userUILanguage());
        if (library == nullptr) {
            GetUILanguageFunction systemUILanguage = FindKernelFunction("GetSystemDefaultUILanguage");
            if (systemUILanguage != nullptr)
                library = TryLoadLanguageLibrary(modulePath, systemUILanguage());
        }
    }
    if (library == nullptr)
        library = TryLoadLanguageLibrary(modulePath, ::GetUserDefaultLangID());
    if (library == nullptr)
        library = TryLoadLanguageLibrary(modulePath, ::GetSystemDefaultLangID());
    return library;
}
