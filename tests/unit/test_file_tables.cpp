// The fixed tables of installed files: the shape the managed application and
// the uninstall rely on.
#include <gtest/gtest.h>

#include <cwchar>
#include <map>
#include <set>
#include <string>

#include "engine/FileTables.h"

namespace {

const std::wstring kImagesPrefix = L"Images\\";

std::wstring Extension(const std::wstring& name)
{
    return name.substr(name.rfind(L'.'));
}

std::wstring Stem(const std::wstring& name)
{
    return name.substr(0, name.rfind(L'.'));
}

bool EndsWith(const std::wstring& text, const std::wstring& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

TEST(FileTables, LanguageLibrariesWithTheInstalledFourFirst)
{
    const wchar_t* installed[] = {L"setupENU.dll", L"setupCHT.dll", L"setupCHS.dll", L"setupJPN.dll"};
    ASSERT_EQ(4u, kInstalledLanguageLibraryCount);
    for (size_t row = 0; row < kInstalledLanguageLibraryCount; ++row)
        EXPECT_STREQ(installed[row], LanguageLibraryTable[row]);
    std::set<std::wstring> names;
    for (const auto& row : LanguageLibraryTable) {
        EXPECT_EQ(12u, std::wcslen(row)) << row;
        names.insert(row);
    }
    EXPECT_EQ(kLanguageLibraryCount, names.size());
    EXPECT_STREQ(L"setupPTB.dll", LanguageLibraryTable[kLanguageLibraryCount - 1]);
}

TEST(FileTables, ImageRowsAreDistinctImagesPaths)
{
    std::set<std::wstring> rows;
    for (const auto& row : ImageFileTable) {
        const std::wstring path = row;
        EXPECT_LE(path.size(), 33u) << path;
        ASSERT_GT(path.size(), kImagesPrefix.size()) << "empty row " << rows.size();
        EXPECT_EQ(kImagesPrefix, path.substr(0, kImagesPrefix.size())) << path;
        const std::wstring name = path.substr(kImagesPrefix.size());
        EXPECT_EQ(std::wstring::npos, name.find_first_of(L"\\/:*?\"<>| ")) << path;
        rows.insert(path);
    }
    EXPECT_EQ(kImageFileCount, rows.size());
}

TEST(FileTables, ImageFormatsAndCompanions)
{
    std::map<std::wstring, int> byExtension;
    std::set<std::wstring> stems;
    for (const auto& row : ImageFileTable) {
        const std::wstring name = std::wstring(row).substr(kImagesPrefix.size());
        ++byExtension[Extension(name)];
        stems.insert(Stem(name));
    }
    EXPECT_EQ(83, byExtension[L".bmp"]);
    EXPECT_EQ(17, byExtension[L".png"]);
    EXPECT_EQ(3, byExtension[L".gif"]);
    EXPECT_EQ(1, byExtension[L".ico"]);
    EXPECT_EQ(4u, byExtension.size());

    // Buttons come as whole triples of faces, and no other name ends like one.
    int clicks = 0, normals = 0, rollovers = 0;
    for (const auto& stem : stems) {
        clicks += EndsWith(stem, L"_click");
        rollovers += EndsWith(stem, L"_rollover");
        if (!EndsWith(stem, L"_normal"))
            continue;
        ++normals;
        const std::wstring button = stem.substr(0, stem.size() - 7);
        EXPECT_TRUE(stems.count(button + L"_click")) << button;
        EXPECT_TRUE(stems.count(button + L"_rollover")) << button;
    }
    EXPECT_EQ(19, normals);
    EXPECT_EQ(19, clicks);
    EXPECT_EQ(19, rollovers);

    // Every mask and disabled face has the picture it belongs to.
    int masks = 0, grays = 0;
    for (const auto& stem : stems) {
        if (EndsWith(stem, L"_mask")) {
            EXPECT_TRUE(stems.count(stem.substr(0, stem.size() - 5))) << stem;
            ++masks;
        }
        if (EndsWith(stem, L"_gray")) {
            EXPECT_TRUE(stems.count(stem.substr(0, stem.size() - 5))) << stem;
            ++grays;
        }
    }
    EXPECT_EQ(5, masks);
    EXPECT_EQ(2, grays);

    // The logo as an icon and as a picture.
    EXPECT_TRUE(stems.count(L"logo"));
    int logos = 0;
    for (const auto& row : ImageFileTable)
        logos += std::wstring(row) == L"Images\\logo.ico" || std::wstring(row) == L"Images\\logo.png";
    EXPECT_EQ(2, logos);
}
