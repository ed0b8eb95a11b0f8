// Stand-in for the service setup program NorSrvSetup.exe: records each
// argument it is given ("-i", "-k", "-u") and ends.
#include <windows.h>

#include <string>

#include "standin_log.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR commandLine, int)
{
    std::wstring line = L"NorSrvSetup ";
    line += commandLine;
    AppendStandinLog(line.c_str());
    return 0;
}
