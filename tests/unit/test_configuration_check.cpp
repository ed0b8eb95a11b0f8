// setup.ini values that become file or folder names must each be one plain
// name; a configuration with another is refused before anything is touched.
#include <gtest/gtest.h>

#include <cwchar>

#include "engine/ConfigurationCheck.h"

TEST(ConfigurationCheck, PlainNames)
{
    const struct {
        const wchar_t* name;
        bool plain;
    } cases[] = {
        {L"ZTA470", true},
        {L"Quorvel HW RAID Manager", true},
        {L"RIDoreDizor.exe", true},
        {L"RAID & Storage (x64) v2.1", true},
        {L".hidden", true},
        {L"\u00C9tat RAID", true},
        {L"CONSOLE", true},
        {L"", false},
        {L".", false},
        {L"..", false},
        {L"...", false},
        {L"trailing.", false},
        {L"trailing ", false},
        {L"a\\b", false},
        {L"a/b", false},
        {L"C:name", false},
        {L"\\\\server\\share", false},
        {L"what?", false},
        {L"star*", false},
        {L"quote\"d", false},
        {L"<angle>", false},
        {L"pipe|d", false},
        {L"tab\tname", false},
        {L"CON", false},
        {L"nul.txt", false},
        {L"Lpt1", false},
        {L"COM9.exe", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.plain, IsPlainName(c.name)) << "\"" << testing::PrintToString(std::wstring(c.name)) << "\"";
}

TEST(ConfigurationCheck, NamesTheFirstUnusableKey)
{
    SetupConfig config = {};
    std::wcscpy(config.szInstallDir, L"C:\\Program Files\\ZTA470");
    std::wcscpy(config.szAppFolderName, L"ZTA470");
    std::wcscpy(config.szAppFileName, L"RIDoreDizor.exe");
    std::wcscpy(config.szAppName, L"Quorvel HW RAID Manager");
    EXPECT_EQ(nullptr, FindUnusableNameKey(config));

    SetupConfig badName = config;
    std::wcscpy(badName.szAppName, L"Quorvel: RAID");
    EXPECT_STREQ(L"AppName", FindUnusableNameKey(badName));

    SetupConfig badFile = badName;
    std::wcscpy(badFile.szAppFileName, L"..\\evil.exe");
    EXPECT_STREQ(L"APPFileName", FindUnusableNameKey(badFile));

    // An install folder that did not fit its buffer is left empty by the
    // reader; the folder name is what made it too long.
    SetupConfig noFolder = config;
    noFolder.szInstallDir[0] = L'\0';
    EXPECT_STREQ(L"APPFolderName", FindUnusableNameKey(noFolder));
}
