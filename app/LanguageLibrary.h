#pragma once
#include <windows.h>

// Loads the language resource library for the user's language, falling back to
// English; null when none loads. modulePath is the lower-cased full path of
// the running executable: the libraries are named after it ("setup" + "ENU" + ".DLL").
HMODULE LoadLanguageLibrary(const wchar_t* modulePath);

// One attempt for one language: its own library when that file exists,
// otherwise the English one. Null when the language has no three-letter name,
// when the path holds no ".exe", or when the chosen file does not load; a
// library of the language that exists but does not load is not replaced by
// the English one.
HMODULE TryLoadLanguageLibrary(const wchar_t* modulePath, LANGID languageId);
