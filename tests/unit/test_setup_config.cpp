// Reading setup.ini into SetupConfig, and the install folder composed from it.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/Globals.h"
#include "app/PathText.h"
#include "app/SetupConfig.h"
#include "support/ini_folder.h"

namespace {

std::wstring ExpectedInstallDir(const wchar_t* programFiles, const wchar_t* folder)
{
    wchar_t windowsDir[MAX_PATH] = {};
    ::GetWindowsDirectoryW(windowsDir, MAX_PATH);
    wchar_t parent[MAX_PATH] = {};
    GetPathDirectory(windowsDir, parent);
    return std::wstring(parent) + programFiles + L"\\" + folder;
}

class SetupConfigTest : public testing::Test {
protected:
    void TearDown() override { g_bIsWow64 = FALSE; }
};

}  // namespace

TEST_F(SetupConfigTest, NoFileGivesTheDefaults)
{
    IniFolder folder(nullptr);
    SetupConfig config;
    ASSERT_TRUE(ReadSetupConfig(folder.Dir(), config));
    EXPECT_EQ(ExpectedInstallDir(L"Program Files", L"ZTA470"), config.szInstallDir);
    EXPECT_STREQ(L"ZTA470", config.szAppFolderName);
    EXPECT_STREQ(L"RIDoreDizor.exe", config.szAppFileName);
    EXPECT_STREQ(L"Quorvel HW RAID Manager", config.szAppName);
    EXPECT_STREQ(L"Quorvel Technology Corp.", config.szCompanyName);
    EXPECT_STREQ(L"1.00.00", config.szVersion);
    EXPECT_EQ(0, config.bLaunchInSilentMode);
}

TEST_F(SetupConfigTest, Wow64UsesProgramFilesX86)
{
    IniFolder folder(nullptr);
    g_bIsWow64 = TRUE;
    SetupConfig config;
    ASSERT_TRUE(ReadSetupConfig(folder.Dir(), config));
    EXPECT_EQ(ExpectedInstallDir(L"Program Files (x86)", L"ZTA470"), config.szInstallDir);
}

TEST_F(SetupConfigTest, ValuesAreReadWithCaseInsensitiveNames)
{
    IniFolder folder("[customized_setting]\r\nappfoldername=Acme\r\nAPPFILENAME=acme.exe\r\n"
                     "launchapinsilentmode=5\r\n[STARTUP]\r\nappname=Tool\r\ncompanyname=Acme Inc.\r\n"
                     "VERSION=2.1\r\n");
    SetupConfig config;
    ASSERT_TRUE(ReadSetupConfig(folder.Dir(), config));
    EXPECT_EQ(ExpectedInstallDir(L"Program Files", L"Acme"), config.szInstallDir);
    EXPECT_STREQ(L"Acme", config.szAppFolderName);
    EXPECT_STREQ(L"acme.exe", config.szAppFileName);
    EXPECT_STREQ(L"Tool", config.szAppName);
    EXPECT_STREQ(L"Acme Inc.", config.szCompanyName);
    EXPECT_STREQ(L"2.1", config.szVersion);
    EXPECT_EQ(1, config.bLaunchInSilentMode);
}

TEST_F(SetupConfigTest, EmptyValuesLeaveTheirFieldsEmpty)
{
    IniFolder folder("[Customized_Setting]\r\nAPPFolderName=\r\n[Startup]\r\nVersion=\r\nAppName=\r\n");
    SetupConfig config;
    ReadSetupConfig(folder.Dir(), config);
    EXPECT_STREQ(L"", config.szAppFolderName);
    EXPECT_STREQ(L"", config.szInstallDir);
    EXPECT_STREQ(L"", config.szVersion);
    EXPECT_STREQ(L"", config.szAppName);
    EXPECT_STREQ(L"RIDoreDizor.exe", config.szAppFileName);
}

TEST_F(SetupConfigTest, LaunchFlagFromIntegerValues)
{
    const struct {
        const char* ini;
        BOOL expected;
    } cases[] = {
        {"[Customized_Setting]\r\nLaunchAPInSilentMode=1\r\n", 1},
        {"[Customized_Setting]\r\nLaunchAPInSilentMode=5\r\n", 1},
        {"[Customized_Setting]\r\nLaunchAPInSilentMode=0\r\n", 0},
        {"[Customized_Setting]\r\nLaunchAPInSilentMode=yes\r\n", 0},
        {"[Customized_Setting]\r\n", 0},
    };
    for (const auto& c : cases) {
        IniFolder folder(c.ini);
        SetupConfig config;
        ReadSetupConfig(folder.Dir(), config);
        EXPECT_EQ(c.expected, config.bLaunchInSilentMode) << c.ini;
    }
}

TEST_F(SetupConfigTest, InstallFolderUnderTheParentOfTheWindowsFolder)
{
    wchar_t installDir[MAX_PATH] = {};
    ASSERT_TRUE(ComposeInstallDirUnder(L"D:\\OS\\Windows", L"ZTA470", installDir));
    EXPECT_STREQ(L"D:\\OS\\Program Files\\ZTA470", installDir);
    ASSERT_TRUE(ComposeInstallDirUnder(L"C:\\Windows", L"ZTA470", installDir));
    EXPECT_STREQ(L"C:\\Program Files\\ZTA470", installDir);
}

TEST_F(SetupConfigTest, PathsThatDoNotFitAreRefusedNotCut)
{
    const std::wstring longName(250, L'n');
    wchar_t installDir[MAX_PATH] = {};
    EXPECT_FALSE(ComposeInstallDirUnder(L"C:\\Windows", longName.c_str(), installDir));
    EXPECT_STREQ(L"", installDir);

    const std::wstring longSetupDir = L"C:\\" + std::wstring(252, L'd') + L"\\";
    SetupConfig config;
    EXPECT_FALSE(ReadSetupConfig(longSetupDir.c_str(), config));
    EXPECT_STREQ(L"", config.szInstallDir);
    EXPECT_STREQ(L"", config.szAppName);
}

TEST(PathText, GetPathDirectoryKeepsTheLastBackslash)
{
    wchar_t dir[MAX_PATH] = {};
    GetPathDirectory(L"C:\\Dist\\Setup.exe", dir);
    EXPECT_STREQ(L"C:\\Dist\\", dir);
    GetPathDirectory(L"C:\\Windows", dir);
    EXPECT_STREQ(L"C:\\", dir);
    GetPathDirectory(L"no-separator/at/all", dir);
    EXPECT_STREQ(L"", dir);
}

TEST(PathText, ComposeTextRefusesWhatDoesNotFit)
{
    wchar_t small[8] = L"x";
    EXPECT_TRUE(ComposeText(small, {L"abc", L"\\", L"def"}));
    EXPECT_STREQ(L"abc\\def", small);
    EXPECT_FALSE(ComposeText(small, {L"abcd", L"efgh"}));
    EXPECT_STREQ(L"", small);
}

TEST(PathText, AsciiCaseOnly)
{
    wchar_t path[] = L"C:\\DIST\\SETUP.EXE \u00C4";
    LowerCaseAsciiInPlace(path);
    EXPECT_STREQ(L"c:\\dist\\setup.exe \u00C4", path);
    EXPECT_TRUE(EqualsIgnoringAsciiCase(L"DelPkg", L"delpkg"));
    EXPECT_FALSE(EqualsIgnoringAsciiCase(L"\u00C4s", L"\u00E4s"));
    EXPECT_FALSE(EqualsIgnoringAsciiCase(L"ss", L"s"));
}
