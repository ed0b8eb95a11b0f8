#pragma once
#include <windows.h>

// Loads the language resource library for the user's language, falling back to
// English; null when none loads. modulePath is the lower-cased full path of
// the running executable: the libraries are named after it ("setup" + "ENU" + ".DLL").
HMODULE LoadLanguageLibrary(const wchar_t* modulePath);

// One attempt for one language: its own library when that file exists,
// otherwise the English one.
HMODULE TryLoadLanguageLibrary(const wchar_t* modulePath, LANGID languageId);
