// The self-removal script's text, its refusal of paths that would not reach
// the command interpreter unchanged, and the folder it is written to.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "app/Globals.h"
#include "app/PathText.h"
#include "app/SetupConfig.h"
#include "support/ini_folder.h"
#include "engine/SelfRemovalBatch.h"

namespace {

constexpr UINT kCodePageUs = 437;
constexpr UINT kCodePageWestern = 1252;
constexpr UINT kCodePageSimplifiedChinese = 936;

std::string ScriptFor(const wchar_t* installDir, const wchar_t* batchFile, UINT codePage)
{
    std::string script;
    EXPECT_TRUE(ComposeSelfRemovalScript(installDir, batchFile, codePage, script));
    return script;
}

TEST(SelfRemovalScript, RetriesTheUninstallFolderThenRemovesWhatIsEmptyAndItself)
{
    const std::string expected =
        "@echo off\r\n"
        "set /a QvUninstPass=0\r\n"
        ":DEL_DIR\r\n"
        "set /a QvUninstPass+=1\r\n"
        "if %QvUninstPass% GTR 1 ping -n 2 127.0.0.1 >nul\r\n"
        "if %QvUninstPass% GTR 60 goto FINISH\r\n"
        "rd /s /q \"C:\\Program Files\\ZTA470\\Uninstall\"\r\n"
        "IF EXIST \"C:\\Program Files\\ZTA470\\Uninstall\\setup.exe\" GOTO DEL_DIR\r\n"
        "IF EXIST \"C:\\Program Files\\ZTA470\\Uninstall\\setup.ini\" GOTO DEL_DIR\r\n"
        ":FINISH\r\n"
        "(\r\n"
        "rd \"C:\\Program Files\\ZTA470\\Images\"\r\n"
        "move /y \"C:\\Program Files\\ZTA470\\QvUninst.bat\" \"%TEMP%\\QvUninst.bat\" >nul\r\n"
        "rd \"C:\\Program Files\\ZTA470\"\r\n"
        "del \"%TEMP%\\QvUninst.bat\"\r\n"
        ")\r\n";
    EXPECT_EQ(expected, ScriptFor(L"C:\\Program Files\\ZTA470",
                                  L"C:\\Program Files\\ZTA470\\QvUninst.bat", kCodePageUs));
}

TEST(SelfRemovalScript, DoublesPercentSignsSoNoFolderNameReadsAsAVariable)
{
    const std::string script =
        ScriptFor(L"C:\\Program Files\\A%TEMP%B", L"C:\\Program Files\\A%TEMP%B\\QvUninst.bat", kCodePageUs);
    EXPECT_NE(std::string::npos, script.find("rd /s /q \"C:\\Program Files\\A%%TEMP%%B\\Uninstall\"\r\n"));
    EXPECT_NE(std::string::npos, script.find("move /y \"C:\\Program Files\\A%%TEMP%%B\\QvUninst.bat\" "));
    // The script's own counter keeps its single percent signs.
    EXPECT_NE(std::string::npos, script.find("if %QvUninstPass% GTR 60 goto FINISH\r\n"));
}

TEST(SelfRemovalScript, WritesEachCharacterInTheInterpretersCodePage)
{
    struct Case {
        UINT codePage;
        const char* folderBytes;
    };
    const Case cases[] = {
        {kCodePageUs, "Caf\x82"},                       // é in the OEM code page of the US
        {kCodePageWestern, "Caf\xe9"},                  // é where the code page is Western
        {kCodePageSimplifiedChinese, "\xca\xfd\xbe\xdd"},  // 数据 in a double-byte code page
    };
    const wchar_t* folders[] = {L"C:\\Caf\u00e9", L"C:\\Caf\u00e9", L"C:\\\u6570\u636e"};
    for (size_t i = 0; i < sizeof(cases) / sizeof(cases[0]); ++i) {
        SCOPED_TRACE(cases[i].codePage);
        const std::wstring batchFile = std::wstring(folders[i]) + L"\\QvUninst.bat";
        const std::string script = ScriptFor(folders[i], batchFile.c_str(), cases[i].codePage);
        EXPECT_NE(std::string::npos, script.find(std::string("rd \"C:\\") + cases[i].folderBytes + "\"\r\n"));
    }
}

TEST(SelfRemovalScript, RefusesAnyPathThatWouldNotComeBackUnchanged)
{
    struct Case {
        const wchar_t* installDir;
        const wchar_t* batchFile;
        UINT codePage;
    };
    const Case cases[] = {
        // No such character in the code page: it would become "?".
        {L"C:\\\u6570\u636e", L"C:\\\u6570\u636e\\QvUninst.bat", kCodePageUs},
        // A best-fit character: "C:\Ābc" would become the other folder "C:\Abc".
        {L"C:\\\u0100bc", L"C:\\\u0100bc\\QvUninst.bat", kCodePageWestern},
        // Only the script's own path is unrepresentable.
        {L"C:\\ZTA470", L"C:\\\u6570\\QvUninst.bat", kCodePageUs},
        // No install folder: "rd /s /q" would name \Uninstall of the drive.
        {L"", L"C:\\ZTA470\\QvUninst.bat", kCodePageUs},
    };
    for (const Case& refused : cases) {
        SCOPED_TRACE(testing::Message() << refused.codePage);
        std::string script = "left";
        EXPECT_FALSE(ComposeSelfRemovalScript(refused.installDir, refused.batchFile, refused.codePage, script));
        EXPECT_TRUE(script.empty());
    }
}

TEST(SelfRemovalScript, RefusesAnInstallFolderWhosePathsDoNotFit)
{
    const std::wstring longDir = L"C:\\" + std::wstring(MAX_PATH - 12, L'x');
    std::string script;
    EXPECT_FALSE(ComposeSelfRemovalScript(longDir.c_str(), L"C:\\QvUninst.bat", kCodePageUs, script));
    EXPECT_TRUE(script.empty());
}


SetupConfig ConfigWithInstallDir(const wchar_t* installDir)
{
    SetupConfig config;
    std::memset(&config, 0, sizeof(config));
    ComposeText(config.szInstallDir, {installDir});
    return config;
}

std::wstring InstallDirNamed(const wchar_t* folderName)
{
    wchar_t installDir[MAX_PATH] = {};
    EXPECT_TRUE(ComposeInstallDir(folderName, installDir));
    return installDir;
}

TEST(BatchFolder, IsComposedFromTheFolderNameBesideTheUninstaller)
{
    IniFolder named("[Customized_Setting]\r\nAPPFolderName=Qv Other\r\n");
    IniFolder withoutKey("[Startup]\r\nAppName=X\r\n");
    const SetupConfig config = ConfigWithInstallDir(L"D:\\Elsewhere\\ZTA470");
    wchar_t batchDir[MAX_PATH] = {};

    EXPECT_TRUE(ComposeBatchFolder(config, named.Dir(), batchDir));
    EXPECT_EQ(InstallDirNamed(L"Qv Other"), batchDir);
    EXPECT_TRUE(ComposeBatchFolder(config, withoutKey.Dir(), batchDir));
    EXPECT_EQ(InstallDirNamed(L"ZTA470"), batchDir);
}

TEST(BatchFolder, AnEmptyFolderNameFallsBackToTheConfiguredInstallFolder)
{
    IniFolder empty("[Customized_Setting]\r\nAPPFolderName=\r\n");
    wchar_t batchDir[MAX_PATH] = {};

    EXPECT_TRUE(ComposeBatchFolder(ConfigWithInstallDir(L"D:\\Apps\\ZTA470"), empty.Dir(), batchDir));
    EXPECT_STREQ(L"D:\\Apps\\ZTA470", batchDir);
    EXPECT_FALSE(ComposeBatchFolder(ConfigWithInstallDir(L""), empty.Dir(), batchDir));
    EXPECT_STREQ(L"", batchDir);
}

TEST(WriteSelfRemovalBatch, WritesNoScriptForAnUnrepresentableInstallFolder)
{
    IniFolder folder("[Customized_Setting]\r\nAPPFolderName=QvRefusal\r\n");
    const std::wstring batchDir = InstallDirNamed(L"QvRefusal");
    ASSERT_TRUE(::CreateDirectoryW(batchDir.c_str(), nullptr));
    // Private use characters exist in no code page the interpreter reads with.
    const std::wstring installDir = batchDir + L"\ue000";

    EXPECT_FALSE(WriteSelfRemovalBatch(ConfigWithInstallDir(installDir.c_str()), folder.Dir()));
    const std::wstring batchFile = batchDir + L"\\QvUninst.bat";
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW(batchFile.c_str()));
    ::RemoveDirectoryW(batchDir.c_str());
}

}  // namespace
