#include "wizard/SetupDlg.h"

CSetupDlg::CSetupDlg(const wchar_t* /*sourceDir*/, BOOL /*bUninstall*/, HWND /*parent*/)
{
}

INT_PTR CSetupDlg::DoModal()
{
    return IDCANCEL;
}
