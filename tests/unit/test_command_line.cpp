// The command words, as the C runtime splits a real command line.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/SetupCommandLineInfo.h"

namespace {

struct Parsed {
    BOOL delPkg;
    BOOL silent;
    int params;
};

// Runs this test program again with the given raw command line: the child
// parses its own arguments, as the runtime split them, and prints the record.
Parsed ParseInChild(const std::wstring& arguments, const wchar_t* programName = nullptr)
{
    wchar_t self[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring commandLine = programName ? programName : (L"\"" + std::wstring(self) + L"\"");
    commandLine += L" --parse-child " + arguments;

    SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
    HANDLE readPipe = nullptr, writePipe = nullptr;
    ::CreatePipe(&readPipe, &writePipe, &inherit, 0);
    ::SetHandleInformation(readPipe, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writePipe;
    startup.hStdError = writePipe;
    PROCESS_INFORMATION process = {};
    std::wstring writable = commandLine;
    EXPECT_TRUE(::CreateProcessW(self, writable.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                 &startup, &process));
    ::CloseHandle(writePipe);
    std::string output;
    char buffer[256];
    DWORD read = 0;
    while (::ReadFile(readPipe, buffer, sizeof(buffer), &read, nullptr) && read > 0)
        output.append(buffer, read);
    ::WaitForSingleObject(process.hProcess, INFINITE);
    ::CloseHandle(process.hProcess);
    ::CloseHandle(process.hThread);
    ::CloseHandle(readPipe);

    Parsed parsed = {-1, -1, -1};
    int delPkg = -1, silent = -1;
    std::sscanf(output.c_str(), "delpkg=%d silent=%d params=%d", &delPkg, &silent, &parsed.params);
    parsed.delPkg = delPkg;
    parsed.silent = silent;
    return parsed;
}

struct CommandLineCase {
    const wchar_t* arguments;
    BOOL delPkg;
    BOOL silent;
    int params;  // not counting the child marker
};

const CommandLineCase kCases[] = {
    {L"", 0, 0, 0},
    {L"delpkg", 1, 0, 1},
    {L"-delpkg", 1, 0, 1},
    {L"/delpkg", 1, 0, 1},
    {L"/DELPKG", 1, 0, 1},
    {L"DelPkg", 1, 0, 1},
    {L"s", 0, 1, 1},
    {L"-s", 0, 1, 1},
    {L"/s", 0, 1, 1},
    {L"/S", 0, 1, 1},
    {L"\"s\"", 0, 1, 1},
    {L"--s", 0, 0, 1},
    {L"//s", 0, 0, 1},
    {L"-/s", 0, 0, 1},
    {L"ss", 0, 0, 1},
    {L"delpkg2", 0, 0, 1},
    {L"\"s \"", 0, 0, 1},
    {L"s delpkg", 1, 1, 2},
    {L"delpkg s", 1, 1, 2},
    {L"SilentDel", 0, 0, 1},
    {L"foo s bar", 0, 1, 3},
    {L"\"a b\" \\\"s\\\"", 0, 0, 2},
};

}  // namespace

TEST(CommandLine, WordsSwitchesAndCase)
{
    for (const CommandLineCase& c : kCases) {
        const Parsed parsed = ParseInChild(c.arguments);
        EXPECT_EQ(c.delPkg, parsed.delPkg) << "arguments: " << testing::PrintToString(std::wstring(c.arguments));
        EXPECT_EQ(c.silent, parsed.silent) << "arguments: " << testing::PrintToString(std::wstring(c.arguments));
        EXPECT_EQ(c.params + 1, parsed.params) << "arguments: " << testing::PrintToString(std::wstring(c.arguments));
    }
}

// The uninstall entry of older installs holds the program path without quotes:
// the runtime splits it at its blanks, the pieces are counted and ignored.
TEST(CommandLine, UnquotedProgramPathWithBlanksBeforeDelpkg)
{
    const Parsed parsed = ParseInChild(L"delpkg", L"C:\\Program Files\\ZTA470\\Uninstall\\setup.exe");
    EXPECT_EQ(1, parsed.delPkg);
    EXPECT_EQ(0, parsed.silent);
    EXPECT_EQ(3, parsed.params);  // "Files\ZTA470\Uninstall\setup.exe", the marker, "delpkg"
}

TEST(CommandLine, NoArgumentsLeaveTheRecordClear)
{
    CSetupCommandLineInfo info;
    win::ParseCommandLine(info, 1, nullptr);
    EXPECT_EQ(0, info.m_nParams);
    EXPECT_EQ(0, info.m_bDelPkg);
    EXPECT_EQ(0, info.m_bSilent);
}

int wmain(int argc, wchar_t** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::wstring(argv[i]) == L"--parse-child") {
            CSetupCommandLineInfo info;
            win::ParseCommandLine(info);
            std::printf("delpkg=%d silent=%d params=%d\n", info.m_bDelPkg, info.m_bSilent, info.m_nParams);
            return 0;
        }
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
