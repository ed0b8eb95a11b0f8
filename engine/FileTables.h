#pragma once
#include <cstddef>

// The fixed tables of installed files, read in row order by both the install
// and the uninstall procedure.

constexpr size_t kFileTableRowLength = 50;

// The language resource libraries; the install copies the first four.
constexpr size_t kLanguageLibraryCount = 13;
constexpr size_t kInstalledLanguageLibraryCount = 4;
extern const wchar_t LanguageLibraryTable[kLanguageLibraryCount][kFileTableRowLength];

// The managed application's images, each "Images\" and a file name.
constexpr size_t kImageFileCount = 104;
extern const wchar_t ImageFileTable[kImageFileCount][kFileTableRowLength];
