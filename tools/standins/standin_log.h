#pragma once
#include <windows.h>

#include <cstdio>
#include <cwchar>

// Where a stand-in records what happened to it: the file named by the
// environment variable STANDIN_LOG, else "standin.log" beside the program.
inline void AppendStandinLog(const wchar_t* line)
{
    wchar_t path[MAX_PATH] = {};
    DWORD length = ::GetEnvironmentVariableW(L"STANDIN_LOG", path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
        if (length == 0 || length >= MAX_PATH)
            return;
        wchar_t* slash = std::wcsrchr(path, L'\\');
        if (slash == nullptr || (slash - path) + 13 >= MAX_PATH)
            return;
        std::wcscpy(slash + 1, L"standin.log");
    }
    FILE* log = _wfopen(path, L"a");
    if (log == nullptr)
        return;
    std::fprintf(log, "%ls\n", line);
    std::fclose(log);
}
