#pragma once
#include <windows.h>

namespace win {

// Receives the program's arguments one at a time.
class CommandLineInfo {
public:
    virtual ~CommandLineInfo() = default;
    // pszParam: one argument, a leading "-" or "/" already removed (bFlag TRUE then).
    virtual void ParseParam(const wchar_t* pszParam, BOOL bFlag, BOOL bLast) = 0;
};

// Feeds the arguments after the program name, as the C runtime split them,
// to the record: one leading switch character is removed from each.
void ParseCommandLine(CommandLineInfo& info, int argc, wchar_t** argv);

// The same for the running process's own arguments.
void ParseCommandLine(CommandLineInfo& info);

}  // namespace win
