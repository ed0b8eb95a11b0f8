// The registry part of the install: the uninstall entry and the logon Run
// value, in the native branch and, for a 32-bit setup on 64-bit Windows, below
// "SOFTWARE\Wow6432Node\", where the 32-bit registry view keeps them.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/Globals.h"
#include "engine/InstallProcedure.h"

namespace {

const std::wstring kNativePrefix = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\";
const std::wstring kWow64Prefix = L"SOFTWARE\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\";

void WriteFile(const std::wstring& path, const char* content)
{
    FILE* file = _wfopen(path.c_str(), L"wb");
    ASSERT_NE(nullptr, file) << path;
    std::fputs(content, file);
    std::fclose(file);
}

// A value's text, or "<missing>" when the key or value is not there.
std::wstring ReadText(const std::wstring& keyPath, const wchar_t* name, REGSAM view = 0)
{
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_READ | view, &key) != ERROR_SUCCESS)
        return L"<missing>";
    wchar_t data[1024] = {};
    DWORD bytes = sizeof(data) - sizeof(wchar_t);
    DWORD type = 0;
    const LONG result =
        ::RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data), &bytes);
    ::RegCloseKey(key);
    if (result != ERROR_SUCCESS)
        return L"<missing>";
    return type == REG_SZ ? std::wstring(data) : L"<not REG_SZ>";
}

bool KeyExists(const std::wstring& keyPath, REGSAM view = 0)
{
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_READ | view, &key) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(key);
    return true;
}

// A distribution with the files the registry part needs, and a configuration
// that installs from it into a temporary folder under a folder name of its own.
class InstallRegistryTest : public testing::Test {
protected:
    void SetUp() override
    {
        wchar_t temp[MAX_PATH] = {};
        ::GetTempPathW(MAX_PATH, temp);
        const std::wstring unique = std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(++s_count);
        m_source = std::wstring(temp) + L"install-registry-dist-" + unique + L"\\";
        ::CreateDirectoryW(m_source.c_str(), nullptr);
        ::CreateDirectoryW((m_source + L"Application").c_str(), nullptr);
        WriteFile(m_source + L"setup.exe", "setup");
        WriteFile(m_source + L"setup.ini", "[Startup]\r\n");
        WriteFile(m_source + L"Application\\mingwm10.dll", "runtime");
        WriteFile(m_source + L"Application\\RIDoreDizor.exe", "application");

        m_config = SetupConfig();
        m_folderName = L"UnitZTA" + unique;
        m_installDir = std::wstring(temp) + L"install-registry-" + unique;
        wcscpy(m_config.szAppFolderName, m_folderName.c_str());
        wcscpy(m_config.szInstallDir, m_installDir.c_str());
        wcscpy(m_config.szAppFileName, L"RIDoreDizor.exe");
        wcscpy(m_config.szAppName, (L"Unit RAID Manager " + unique).c_str());
        wcscpy(m_config.szCompanyName, L"Quorvel Technology Corp.");
        wcscpy(m_config.szVersion, L"1.00.00");
    }
    void TearDown() override
    {
        g_bIsWow64 = FALSE;
        g_bIsNT6 = FALSE;
    }

    std::wstring UninstallKey(const std::wstring& prefix) const { return prefix + L"Uninstall\\" + m_folderName; }

    void ExpectUninstallEntry(const std::wstring& key, REGSAM view = 0) const
    {
        const std::wstring uninstaller = m_installDir + L"\\Uninstall\\setup.exe";
        EXPECT_EQ(L"\"" + uninstaller + L"\" delpkg", ReadText(key, L"UninstallString", view));
        EXPECT_EQ(m_config.szAppName, ReadText(key, L"DisplayName", view));
        EXPECT_EQ(uninstaller, ReadText(key, L"DisplayIcon", view));
        EXPECT_EQ(L"Quorvel Technology Corp.", ReadText(key, L"Publisher", view));
        EXPECT_EQ(L"1.00.00", ReadText(key, L"DisplayVersion", view));
    }

    std::wstring RunValue() const { return L"\"" + m_installDir + L"\\RIDoreDizor.exe\" min"; }

    std::wstring m_source;
    std::wstring m_folderName;
    std::wstring m_installDir;
    SetupConfig m_config;
    static int s_count;
};
int InstallRegistryTest::s_count = 0;

}  // namespace

TEST_F(InstallRegistryTest, NativeBranchOnA64BitSystem)
{
    g_bIsWow64 = FALSE;
    g_bIsNT6 = FALSE;
    ASSERT_TRUE(InstallFilesAndRegistry(m_source.c_str(), m_config));
    ExpectUninstallEntry(UninstallKey(kNativePrefix));
    EXPECT_EQ(RunValue(), ReadText(kNativePrefix + L"Run", m_config.szAppName));
    EXPECT_FALSE(KeyExists(UninstallKey(kWow64Prefix)));
}

TEST_F(InstallRegistryTest, Wow64BranchLandsInThe32BitView)
{
    g_bIsWow64 = TRUE;
    g_bIsNT6 = FALSE;
    // The Run key is only opened, never made: without it the value is left
    // out without a word, and the install reports the failure.
    const std::wstring runKey = kWow64Prefix + L"Run";
    if (!KeyExists(runKey)) {
        EXPECT_FALSE(InstallFilesAndRegistry(m_source.c_str(), m_config));
        EXPECT_EQ(L"<missing>", ReadText(runKey, m_config.szAppName));
        HKEY key = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExW(HKEY_LOCAL_MACHINE, runKey.c_str(), 0, nullptr, 0, KEY_WRITE,
                                                   nullptr, &key, nullptr));
        ::RegCloseKey(key);
    }
    ASSERT_TRUE(InstallFilesAndRegistry(m_source.c_str(), m_config));

    // Read back the way it was written ...
    ExpectUninstallEntry(UninstallKey(kWow64Prefix));
    EXPECT_EQ(RunValue(), ReadText(runKey, m_config.szAppName));
    // ... and the way a 32-bit program (the product) sees it.
    ExpectUninstallEntry(UninstallKey(kNativePrefix), KEY_WOW64_32KEY);
    EXPECT_EQ(RunValue(), ReadText(kNativePrefix + L"Run", m_config.szAppName, KEY_WOW64_32KEY));
    // Nothing in the native branch.
    EXPECT_FALSE(KeyExists(UninstallKey(kNativePrefix)));
    EXPECT_EQ(L"<missing>", ReadText(kNativePrefix + L"Run", m_config.szAppName));
}

TEST_F(InstallRegistryTest, NT6WritesNoRunValue)
{
    g_bIsNT6 = TRUE;
    // The service setup program is part of the NT 6.x copies.
    WriteFile(m_source + L"Application\\NorSrvSetup.exe", "service setup");
    ASSERT_TRUE(InstallFilesAndRegistry(m_source.c_str(), m_config));
    ExpectUninstallEntry(UninstallKey(kNativePrefix));
    EXPECT_EQ(L"<missing>", ReadText(kNativePrefix + L"Run", m_config.szAppName));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW((m_installDir + L"\\NorSrvSetup.exe").c_str()));
}

TEST_F(InstallRegistryTest, MissingRequiredFileIsAFailure)
{
    ::DeleteFileW((m_source + L"Application\\mingwm10.dll").c_str());
    EXPECT_FALSE(InstallFilesAndRegistry(m_source.c_str(), m_config));
    // The rest is installed all the same.
    ExpectUninstallEntry(UninstallKey(kNativePrefix));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW((m_installDir + L"\\RIDoreDizor.exe").c_str()));
}

TEST_F(InstallRegistryTest, PathsThatDoNotFitAreSkippedNotCut)
{
    // An install folder so long that a long image name no longer fits beside
    // it, while a short one still does.
    m_installDir.resize(236, L'x');
    wcscpy(m_config.szInstallDir, m_installDir.c_str());
    ::CreateDirectoryW((m_source + L"Application\\Images").c_str(), nullptr);
    WriteFile(m_source + L"Application\\Images\\busy.gif", "GIF89a");
    WriteFile(m_source + L"Application\\Images\\tree_enclosure_mask.bmp", "BM");

    EXPECT_FALSE(InstallFilesAndRegistry(m_source.c_str(), m_config));
    const std::wstring images = m_installDir + L"\\Images\\";
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW((images + L"busy.gif").c_str()));
    // Nothing under the long name, and nothing under a name cut to fit.
    WIN32_FIND_DATAW found = {};
    HANDLE search = ::FindFirstFileW((images + L"tree*").c_str(), &found);
    EXPECT_EQ(INVALID_HANDLE_VALUE, search) << found.cFileName;
    if (search != INVALID_HANDLE_VALUE)
        ::FindClose(search);
}
