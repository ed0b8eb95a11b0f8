#include "win/CommandLine.h"

#include <stdlib.h>

namespace win {

void ParseCommandLine(CommandLineInfo& info, int argc, wchar_t** argv)
{
    for (int i = 1; i < argc; ++i) {
        const wchar_t* param = argv[i];
        const BOOL bFlag = (param[0] == L'-' || param[0] == L'/');
        if (bFlag)
            ++param;
        info.ParseParam(param, bFlag, i + 1 == argc);
    }
}

void ParseCommandLine(CommandLineInfo& info)
{
    ParseCommandLine(info, __argc, __wargv);
}

}  // namespace win
