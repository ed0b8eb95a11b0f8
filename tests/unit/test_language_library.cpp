// Choosing and loading the language library, on folders made here from copies
// of the built libraries; and the contents of the thirteen built libraries.
// The choice by the user's and the system's language under different locales
// is tested with the real setup.exe (tests/wine/test_language_choice.py).
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/LanguageLibrary.h"
#include "app/PathText.h"
#include "resource.h"

namespace {

struct Language {
    LANGID id;
    const wchar_t* code;
};

// The languages of the distribution, each with the identifier that names it.
const Language kLanguages[] = {
    {0x0409, L"ENU"}, {0x0404, L"CHT"}, {0x0804, L"CHS"}, {0x0411, L"JPN"}, {0x0412, L"KOR"},
    {0x040C, L"FRA"}, {0x0407, L"DEU"}, {0x0410, L"ITA"}, {0x0419, L"RUS"}, {0x0C0A, L"ESN"},
    {0x041D, L"SVE"}, {0x0413, L"NLD"}, {0x0416, L"PTB"},
};

const LANGID kEnglish = 0x0409;
const LANGID kGerman = 0x0407;
const LANGID kFrench = 0x040C;

std::wstring ProgramDirectory()
{
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    wchar_t directory[MAX_PATH] = {};
    GetPathDirectory(path, directory);
    return directory;
}

// The libraries as the build made them: build/<arch>/lang beside build/<arch>/tests.
std::wstring BuiltLibrary(const wchar_t* code)
{
    return ProgramDirectory() + L"..\\lang\\setup" + code + L".dll";
}

std::wstring FileNameOf(HMODULE module)
{
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(module, path, MAX_PATH);
    const std::wstring full(path);
    return full.substr(full.find_last_of(L'\\') + 1);
}

// A loaded library, let go at the end of the scope.
class Loaded {
public:
    explicit Loaded(HMODULE module) : m_module(module) {}
    ~Loaded()
    {
        if (m_module != nullptr)
            ::FreeLibrary(m_module);
    }
    Loaded(const Loaded&) = delete;
    Loaded& operator=(const Loaded&) = delete;

    HMODULE Get() const { return m_module; }
    // The loaded file's name, or "(none)".
    std::wstring Name() const { return m_module == nullptr ? L"(none)" : FileNameOf(m_module); }

private:
    HMODULE m_module;
};

// A distribution-like folder of its own under the temporary folder, removed
// with everything put into it.
class Folder {
public:
    Folder()
    {
        wchar_t temp[MAX_PATH] = {};
        ::GetTempPathW(MAX_PATH, temp);
        m_root = std::wstring(temp) + L"language-test-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                 std::to_wstring(++s_count);
        MakeFolder(L"");
    }
    ~Folder()
    {
        for (auto file = m_files.rbegin(); file != m_files.rend(); ++file)
            ::DeleteFileW(file->c_str());
        for (auto folder = m_folders.rbegin(); folder != m_folders.rend(); ++folder)
            ::RemoveDirectoryW(folder->c_str());
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;

    // relative is "" for the root or a path below it without leading backslash.
    std::wstring Path(const std::wstring& relative) const
    {
        return relative.empty() ? m_root : m_root + L"\\" + relative;
    }
    void MakeFolder(const std::wstring& relative)
    {
        ASSERT_TRUE(::CreateDirectoryW(Path(relative).c_str(), nullptr)) << "cannot make " << relative;
        m_folders.push_back(Path(relative));
    }
    // Copies the built library of code as relative (for example "setupDEU.dll").
    void CopyLibrary(const wchar_t* code, const std::wstring& relative)
    {
        ASSERT_TRUE(::CopyFileW(BuiltLibrary(code).c_str(), Path(relative).c_str(), TRUE))
            << "cannot copy " << BuiltLibrary(code);
        m_files.push_back(Path(relative));
    }
    // A file that is named like a library but is none.
    void WriteBrokenLibrary(const std::wstring& relative)
    {
        HANDLE file = ::CreateFileW(Path(relative).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, file);
        const char text[] = "not a library";
        DWORD written = 0;
        ::WriteFile(file, text, sizeof(text) - 1, &written, nullptr);
        ::CloseHandle(file);
        m_files.push_back(Path(relative));
    }
    // The module path setup.exe would hand over when run from relative.
    std::wstring ModulePath(const std::wstring& relative) const
    {
        std::wstring path = Path(relative);
        LowerCaseAsciiInPlace(&path[0]);
        return path;
    }

private:
    std::wstring m_root;
    std::vector<std::wstring> m_folders;
    std::vector<std::wstring> m_files;
    static int s_count;
};
int Folder::s_count = 0;

// The library loaded is the file named expected (names match whatever their case).
testing::AssertionResult IsFile(const Loaded& loaded, const std::wstring& expected)
{
    if (loaded.Get() != nullptr && EqualsIgnoringAsciiCase(loaded.Name().c_str(), expected.c_str()))
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "loaded " << loaded.Name() << ", expected " << expected;
}

}  // namespace

TEST(TryLoadLanguageLibrary, EachLanguageFindsItsOwnLibrary)
{
    Folder folder;
    for (const Language& language : kLanguages)
        folder.CopyLibrary(language.code, std::wstring(L"setup") + language.code + L".dll");
    const std::wstring modulePath = folder.ModulePath(L"setup.exe");
    for (const Language& language : kLanguages) {
        Loaded loaded(TryLoadLanguageLibrary(modulePath.c_str(), language.id));
        EXPECT_TRUE(IsFile(loaded, std::wstring(L"setup") + language.code + L".DLL")) << language.code;
    }
}

TEST(TryLoadLanguageLibrary, LanguageWithoutLibraryTakesEnglish)
{
    Folder folder;
    folder.CopyLibrary(L"ENU", L"setupENU.dll");
    folder.CopyLibrary(L"DEU", L"setupDEU.dll");
    const std::wstring modulePath = folder.ModulePath(L"setup.exe");

    Loaded loaded(TryLoadLanguageLibrary(modulePath.c_str(), kFrench));
    EXPECT_TRUE(IsFile(loaded, L"setupENU.DLL"));
    // The texts are the English ones, not whatever else lies in the folder.
    wchar_t caption[128] = {};
    ASSERT_NE(nullptr, loaded.Get());
    ::LoadStringW(loaded.Get(), IDS_INSTALL_BUTTON, caption, 128);
    EXPECT_STREQ(L"Install", caption);
}

TEST(TryLoadLanguageLibrary, NeitherOwnNorEnglishLibraryGivesNull)
{
    Folder folder;
    folder.CopyLibrary(L"DEU", L"setupDEU.dll");
    const std::wstring modulePath = folder.ModulePath(L"setup.exe");

    Loaded loaded(TryLoadLanguageLibrary(modulePath.c_str(), kFrench));
    EXPECT_EQ(nullptr, loaded.Get()) << loaded.Name();
}

TEST(TryLoadLanguageLibrary, OwnLibraryThatDoesNotLoadGivesNullWithoutTryingEnglish)
{
    Folder folder;
    folder.CopyLibrary(L"ENU", L"setupENU.dll");
    folder.WriteBrokenLibrary(L"setupDEU.dll");
    const std::wstring modulePath = folder.ModulePath(L"setup.exe");

    Loaded loaded(TryLoadLanguageLibrary(modulePath.c_str(), kGerman));
    EXPECT_EQ(nullptr, loaded.Get()) << loaded.Name();
}

TEST(TryLoadLanguageLibrary, LanguageWithoutLocaleNameGivesNullWithoutTryingEnglish)
{
    Folder folder;
    folder.CopyLibrary(L"ENU", L"setupENU.dll");
    const std::wstring modulePath = folder.ModulePath(L"setup.exe");

    Loaded loaded(TryLoadLanguageLibrary(modulePath.c_str(), 0x0BFF));  // no such locale
    EXPECT_EQ(nullptr, loaded.Get()) << loaded.Name();
}

TEST(TryLoadLanguageLibrary, FolderNamedLikeAnExecutableCutsTheNameThere)
{
    // C:\...\a.exe.d\setup.exe: the names are built from "...\a", so the
    // libraries beside the program are not found, and "...\aENU.DLL" would be.
    Folder folder;
    folder.MakeFolder(L"a.exe.d");
    folder.CopyLibrary(L"ENU", L"a.exe.d\\setupENU.dll");
    folder.CopyLibrary(L"DEU", L"a.exe.d\\setupDEU.dll");
    const std::wstring modulePath = folder.ModulePath(L"a.exe.d\\setup.exe");
    {
        Loaded loaded(TryLoadLanguageLibrary(modulePath.c_str(), kGerman));
        EXPECT_EQ(nullptr, loaded.Get()) << loaded.Name();
    }
    folder.CopyLibrary(L"ENU", L"aENU.dll");
    Loaded loaded(TryLoadLanguageLibrary(modulePath.c_str(), kGerman));
    EXPECT_TRUE(IsFile(loaded, L"aENU.DLL"));
}

TEST(TryLoadLanguageLibrary, ProgramNamedInCapitalsFindsTheLibraries)
{
    Folder folder;
    folder.MakeFolder(L"DIST");
    folder.CopyLibrary(L"ENU", L"DIST\\setupENU.dll");
    folder.CopyLibrary(L"DEU", L"DIST\\setupDEU.dll");

    // setup.exe lower-cases its path before the call; the file names match
    // whatever their case.
    const std::wstring modulePath = folder.ModulePath(L"DIST\\SETUP.EXE");
    Loaded german(TryLoadLanguageLibrary(modulePath.c_str(), kGerman));
    EXPECT_TRUE(IsFile(german, L"setupDEU.DLL"));
    Loaded french(TryLoadLanguageLibrary(modulePath.c_str(), kFrench));
    EXPECT_TRUE(IsFile(french, L"setupENU.DLL"));

    // Not lower-cased, the path holds no ".exe" and nothing is loaded.
    const std::wstring asTyped = folder.Path(L"DIST\\SETUP.EXE");
    Loaded none(TryLoadLanguageLibrary(asTyped.c_str(), kGerman));
    EXPECT_EQ(nullptr, none.Get()) << none.Name();
}

// The language sources follow the process locale, which is English (United
// States) in the unit tests' Wine prefix.
TEST(LoadLanguageLibrary, UserLanguageLibraryIsLoaded)
{
    ASSERT_EQ(kEnglish, ::GetUserDefaultUILanguage()) << "the unit tests expect an English locale";
    Folder folder;
    for (const Language& language : kLanguages)
        folder.CopyLibrary(language.code, std::wstring(L"setup") + language.code + L".dll");
    const std::wstring modulePath = folder.ModulePath(L"setup.exe");

    Loaded loaded(LoadLanguageLibrary(modulePath.c_str()));
    EXPECT_TRUE(IsFile(loaded, L"setupENU.DLL"));
}

TEST(LoadLanguageLibrary, NoLibraryForAnyLanguageGivesNull)
{
    ASSERT_EQ(kEnglish, ::GetUserDefaultUILanguage()) << "the unit tests expect an English locale";
    Folder empty;
    Folder otherLanguagesOnly;
    otherLanguagesOnly.CopyLibrary(L"DEU", L"setupDEU.dll");
    otherLanguagesOnly.CopyLibrary(L"CHT", L"setupCHT.dll");

    for (const Folder* folder : {&empty, &otherLanguagesOnly}) {
        const std::wstring modulePath = folder->ModulePath(L"setup.exe");
        Loaded loaded(LoadLanguageLibrary(modulePath.c_str()));
        EXPECT_EQ(nullptr, loaded.Get()) << loaded.Name();
    }
}

// The built libraries themselves.

namespace {

// The wizard's push buttons: a face of 111 pixels, the caption centred on one
// line in bold 9-point Arial (height -12 at 96 dpi). A few pixels are kept
// free on each side so that the caption never touches the face's edge.
const int kButtonFaceWidth = 111;
const int kButtonPadding = 8;
const int kCaptionFontHeight = -12;
// Where the face lacks a glyph (CJK under Wine), a character counts as a full
// em, the width it has in a CJK face of this height.
const int kFullWidthCharacter = 12;

const UINT kButtonIds[] = {IDS_INSTALL_BUTTON, IDS_CANCEL_BUTTON, IDS_FINISH_BUTTON, IDS_REMOVE_BUTTON};

// Width of text in the selected font; characters the font cannot show are
// counted as full-width characters.
int CaptionWidth(HDC dc, const std::wstring& text)
{
    std::vector<WORD> glyphs(text.size());
    if (::GetGlyphIndicesW(dc, text.c_str(), static_cast<int>(text.size()), glyphs.data(),
                           GGI_MARK_NONEXISTING_GLYPHS) == GDI_ERROR)
        return 0;
    std::wstring shown;
    int missing = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (glyphs[i] == 0xFFFF)
            ++missing;
        else
            shown += text[i];
    }
    SIZE extent = {};
    if (!shown.empty())
        ::GetTextExtentPoint32W(dc, shown.c_str(), static_cast<int>(shown.size()), &extent);
    return extent.cx + missing * kFullWidthCharacter;
}

}  // namespace

TEST(BuiltLanguageLibraries, HoldAllTwentyTextsAndCaptionsFitTheButtons)
{
    HDC screen = ::GetDC(nullptr);
    ASSERT_NE(nullptr, screen);
    ASSERT_EQ(96, ::GetDeviceCaps(screen, LOGPIXELSY));
    LOGFONTW description = {};
    description.lfHeight = kCaptionFontHeight;
    description.lfWeight = FW_BOLD;
    description.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(description.lfFaceName, L"Arial", LF_FACESIZE);
    HFONT font = ::CreateFontIndirectW(&description);
    ASSERT_NE(nullptr, font);
    HGDIOBJ previous = ::SelectObject(screen, font);
    wchar_t face[LF_FACESIZE] = {};
    ::GetTextFaceW(screen, LF_FACESIZE, face);
    std::printf("button captions measured in %ls (asked for Arial)\n", face);

    for (const Language& language : kLanguages) {
        Loaded library(::LoadLibraryW(BuiltLibrary(language.code).c_str()));
        ASSERT_NE(nullptr, library.Get()) << "cannot load " << BuiltLibrary(language.code);
        for (UINT id = IDS_INSTALL_BUTTON; id <= IDS_LAUNCH_CHECK; ++id) {
            wchar_t text[1024] = {};
            EXPECT_GT(::LoadStringW(library.Get(), id, text, 1024), 0)
                << "setup" << language.code << ".dll has no text " << id;
        }
        for (UINT id : kButtonIds) {
            wchar_t caption[128] = {};
            ::LoadStringW(library.Get(), id, caption, 128);
            const int width = CaptionWidth(screen, caption);
            std::printf("%ls %u: %d px\n", language.code, id, width);
            EXPECT_LE(width, kButtonFaceWidth - 2 * kButtonPadding)
                << "setup" << language.code << ".dll, caption " << id;
        }
    }
    ::SelectObject(screen, previous);
    ::DeleteObject(font);
    ::ReleaseDC(nullptr, screen);
}
