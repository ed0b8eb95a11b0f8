#pragma once
// A temporary folder of its own holding a setup.ini with the given text (none
// for null); removed again with the fixture.
#include <windows.h>

#include <cstdio>
#include <string>

class IniFolder {
public:
    explicit IniFolder(const char* iniText)
    {
        static int count = 0;
        wchar_t temp[MAX_PATH] = {};
        ::GetTempPathW(MAX_PATH, temp);
        m_dir = std::wstring(temp) + L"setup-ini-test-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                std::to_wstring(++count) + L"\\";
        ::CreateDirectoryW(m_dir.c_str(), nullptr);
        if (iniText != nullptr) {
            FILE* ini = _wfopen((m_dir + L"setup.ini").c_str(), L"wb");
            if (ini != nullptr) {
                std::fputs(iniText, ini);
                std::fclose(ini);
            }
        }
    }
    ~IniFolder()
    {
        ::DeleteFileW((m_dir + L"setup.ini").c_str());
        ::RemoveDirectoryW(m_dir.c_str());
    }
    IniFolder(const IniFolder&) = delete;
    IniFolder& operator=(const IniFolder&) = delete;

    // The folder, ending in a backslash.
    const wchar_t* Dir() const { return m_dir.c_str(); }

private:
    std::wstring m_dir;
};
