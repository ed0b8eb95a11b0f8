#pragma once
#include <windows.h>

#include "app/Globals.h"

// One text of the language library, read by string id into a buffer of a
// fixed size: texts longer than the buffer are cut to Capacity - 1 characters.
template <int Capacity>
class LanguageText {
public:
    // A text the library does not hold is empty; nothing is reported.
    const wchar_t* Load(UINT id)
    {
        if (::LoadStringW(g_hLangLib, id, m_text, Capacity) <= 0)
            m_text[0] = L'\0';
        return m_text;
    }
    const wchar_t* Text() const { return m_text; }

private:
    wchar_t m_text[Capacity] = {};
};

// Button captions and every other text of the wizard.
using ButtonText = LanguageText<128>;
using LabelText = LanguageText<1024>;
