#pragma once
#include "win/CommandLine.h"

// Records which of the program's command words were given.
class CSetupCommandLineInfo : public win::CommandLineInfo {
public:
    CSetupCommandLineInfo() = default;

    void ParseParam(const wchar_t* pszParam, BOOL bFlag, BOOL bLast) override;

    BOOL m_bDelPkg = 0;     // "delpkg": the uninstall wizard
    BOOL m_bSilentDel = 0;  // "SilentDel": recognised, selects nothing
    BOOL m_bSilent = 0;     // "s": the silent install
    int m_nParams = 0;      // every argument after the program name
};
