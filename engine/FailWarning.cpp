#include "engine/FailWarning.h"

#include <windows.h>

#include "app/PathText.h"
#include "engine/WarningTexts.h"

void ShowFailWarning(const wchar_t* text)
{
    // The box has only an OK button: there is no answer to look at.
    ::MessageBoxW(nullptr, text, kFailCaption, MB_OK | MB_ICONWARNING);
}

void ShowRefusedNameWarning(const wchar_t* key)
{
    // The key is one of three short names, so the text fits; should it not,
    // the box still names the key.
    wchar_t text[1024];
    if (!ComposeText(text, {kRefusedNameBefore, key, kRefusedNameAfter}))
        ComposeText(text, {key});
    ShowFailWarning(text);
}
