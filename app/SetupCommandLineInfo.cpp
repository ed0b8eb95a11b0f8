#include "app/SetupCommandLineInfo.h"

#include "app/PathText.h"

void CSetupCommandLineInfo::ParseParam(const wchar_t* pszParam, BOOL /*bFlag*/, BOOL /*bLast*/)
{
    if (EqualsIgnoringAsciiCase(pszParam, L"delpkg"))
        m_bDelPkg = 1;
    else if (EqualsIgnoringAsciiCase(pszParam, L"SilentDel"))
        m_bSilentDel = 1;
    else if (EqualsIgnoringAsciiCase(pszParam, L"s"))
        m_bSilent = 1;
    ++m_nParams;
}
