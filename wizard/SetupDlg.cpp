#include "wizard/SetupDlg.h"

#include <windowsx.h>

#include <cwchar>

#include "app/Globals.h"
#include "app/PathText.h"
#include "app/SetupConfig.h"
#include "resource.h"
#include "win/DeviceContext.h"
#include "win/ResourceModule.h"
#include "wizard/LanguageText.h"
#include "wizard/SetupThread.h"
#include "wizard/WizardLayout.h"
#include "wizard/WizardTexts.h"

CSetupDlg::CSetupDlg(const wchar_t* sourceDir, BOOL bUninstall, HWND parent)
    : win::Dialog(IDD_SETUP_DIALOG, parent),
      m_bmSkin(),
      m_hSkin(nullptr),
      m_szSourceDir(),
      m_szTitle(),
      m_bUninstall(bUninstall),
      m_bInstallDone(FALSE),
      m_hIcon(::LoadIconW(win::GetResourceModule(), MAKEINTRESOURCEW(IDI_SETUP)))
{
    // The setup directory comes from a buffer of the same size, so it fits.
    ComposeText(m_szSourceDir, {sourceDir});
}

CSetupDlg::~CSetupDlg()
{
    if (m_hSkin != nullptr)
        ::DeleteObject(m_hSkin);
    // The icon came from LoadIcon: a shared icon, never destroyed.
}

void CSetupDlg::DoDataExchange()
{
    BindControl(IDC_LAUNCH, m_chkLaunch);
    BindControl(IDC_CLOSE, m_btnClose);
    BindControl(IDC_TITLE, m_lblTitle);
    BindControl(IDC_PROGRESS, m_progress);
    BindControl(IDC_BODY, m_lblBody);
    BindControl(IDOK, m_btnFinish);
    BindControl(IDCANCEL, m_btnCancel);
    BindControl(IDC_HEADING, m_lblHeading);
    BindControl(IDC_ACTION, m_btnAction);
}

bool CSetupDlg::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_PAINT:
        return OnPaint();
    case WM_QUERYDRAGICON:
        result = reinterpret_cast<LRESULT>(OnQueryDragIcon());
        return true;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDC_ACTION) {
            OnAction();
            return true;
        }
        if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDC_CLOSE) {
            OnCloseButton();
            return true;
        }
        break;
    case WM_SETUP_PROGRESS:
        OnSetupProgress(wParam, lParam);
        result = 0;
        return true;
    case WM_TIMER:
        OnTimer(static_cast<UINT_PTR>(wParam));
        return false;  // the default handling follows
    case WM_ERASEBKGND:
        if (m_hSkin == nullptr)
            return false;  // without a skin the dialog erases as any other
        result = OnEraseBkgnd(reinterpret_cast<HDC>(wParam));
        return true;
    case WM_LBUTTONDOWN:
        OnLButtonDown(static_cast<UINT>(wParam), POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return false;  // the default handling follows
    default:
        break;
    }
    return win::Dialog::HandleMessage(message, wParam, lParam, result);
}

BOOL CSetupDlg::OnInitDialog()
{
    win::Dialog::OnInitDialog();

    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    LoadSkinBitmaps();
    InitTexts();
    ShapeWindowFromSkin();
    LayoutControls();
    return TRUE;
}

void CSetupDlg::LoadSkinBitmaps()
{
    LoadSkin();
    // A face that fails to load falls back to the button's normal face, or
    // leaves the button blank; the wizard still works, so it goes on.
    m_btnClose.SetBitmaps(IDB_CLOSE_NORMAL, IDB_CLOSE_NORMAL, IDB_CLOSE_HOVER, 0, IDB_CLOSE_DISABLED, 0);
    m_btnAction.SetBitmaps(IDB_BUTTON_NORMAL, IDB_BUTTON_PRESSED, IDB_BUTTON_HOVER, 0, 0, 0);
    m_btnFinish.SetBitmaps(IDB_BUTTON_NORMAL, IDB_BUTTON_PRESSED, IDB_BUTTON_HOVER, 0, 0, 0);
    m_btnCancel.SetBitmaps(IDB_BUTTON_NORMAL, IDB_BUTTON_PRESSED, IDB_BUTTON_HOVER, 0, 0, 0);
    m_chkLaunch.SetBitmaps(IDB_CHECK_CLEAR, IDB_CHECK_CLEAR, IDB_CHECK_CLEAR, IDB_CHECK_TICKED, 0, 0);
}

void CSetupDlg::InitTexts()
{
    // The title is read here directly, with the configuration reader's key and
    // default: the product's name, which no language library knows.
    wchar_t iniPath[MAX_PATH];
    DWORD titleLength = 0;
    if (ComposeText(iniPath, {m_szSourceDir, kSetupIniFileName})) {
        titleLength = ::GetPrivateProfileStringW(kSectionStartup, kKeyAppName, kDefaultAppName, m_szTitle,
                                                 MAX_PATH, iniPath);
    } else {
        // A setup.ini that cannot be named is a missing one: the default.
        ComposeText(m_szTitle, {kDefaultAppName});
        titleLength = static_cast<DWORD>(std::wcslen(m_szTitle));
    }
    // An empty AppName gives an empty title, without a suffix. A name that
    // leaves no room for the whole suffix keeps as much of it as fits.
    if (titleLength != 0) {
        const wchar_t* suffix = m_bUninstall ? kUninstallTitleSuffix : kInstallTitleSuffix;
        std::wcsncat(m_szTitle, suffix, MAX_PATH - 1 - std::wcslen(m_szTitle));
    }
    m_lblTitle.SetText(m_szTitle)
        .SetTextColor(kTitleTextColor)
        .SetFontName(kLabelFontFace, ANSI_CHARSET)
        .SetFontSize(kTitlePointSize)
        .SetFontBold(TRUE)
        .SetTransparent(TRUE);
    SetWindowText(m_szTitle);

    ButtonText action;
    LabelText heading;
    LabelText body;
    if (m_bUninstall) {
        action.Load(IDS_REMOVE_BUTTON);
        heading.Load(IDS_REMOVE_READY_HEAD);
        body.Load(IDS_REMOVE_READY_BODY);
    } else {
        action.Load(IDS_INSTALL_BUTTON);
        heading.Load(IDS_INSTALL_READY_HEAD);
        body.Load(IDS_INSTALL_READY_BODY);
        // The check box is shown only after an install, so only then has it a text.
        LabelText launch;
        m_chkLaunch.SetWindowText(launch.Load(IDS_LAUNCH_CHECK));
    }
    ButtonText finish;
    ButtonText cancel;
    m_btnAction.SetWindowText(action.Text());
    m_btnFinish.SetWindowText(finish.Load(IDS_FINISH_BUTTON));
    m_btnCancel.SetWindowText(cancel.Load(IDS_CANCEL_BUTTON));

    m_lblHeading.SetText(heading.Text())
        .SetTextColor(kBandTextColor)
        .SetFontName(kLabelFontFace, ANSI_CHARSET)
        .SetFontSize(kHeadingPointSize)
        .SetFontBold(TRUE)
        .SetTransparent(TRUE);
    m_lblBody.SetText(body.Text())
        .SetTextColor(kBandTextColor)
        .SetFontName(kLabelFontFace, ANSI_CHARSET)
        .SetFontSize(kBodyPointSize)
        .SetFontBold(TRUE)
        .SetTransparent(TRUE);
}

void CSetupDlg::LayoutControls()
{
    RECT client = {};
    GetClientRect(&client);
    const int width = client.right - client.left;
    const UINT keepOrder = SWP_NOZORDER | SWP_NOOWNERZORDER;

    m_lblTitle.SetWindowPos(nullptr, kTitleX, kTitleY, width - kTitleWidthLess, kTitleHeight, keepOrder);
    m_lblHeading.SetWindowPos(nullptr, kHeadingX, kHeadingY, width - kHeadingWidthLess, kHeadingHeight,
                              keepOrder);
    m_lblBody.SetWindowPos(nullptr, kBodyX, kBodyY, width - kBodyWidthLess, kBodyHeight, keepOrder);
    m_btnClose.FitToBitmap(width - kCloseFromRight, kCloseY);
    m_btnAction.FitToBitmap(width - kActionFromRight, kButtonRowY);
    // Finish takes the action button's place once the work has ended.
    m_btnFinish.FitToBitmap(width - kActionFromRight, kButtonRowY);
    m_btnFinish.ShowWindow(SW_HIDE);
    m_btnCancel.FitToBitmap(width - kCancelFromRight, kButtonRowY);
    // The check box and the progress bar share one row; the check box is
    // shown only after a successful install, when the bar has gone.
    m_chkLaunch.FitToBitmap(kCheckX, kProgressRowY);
    m_chkLaunch.ShowWindow(SW_HIDE);
    m_progress.SetWindowPos(nullptr, kProgressX, kProgressRowY, width - kProgressWidthLess, kProgressHeight,
                            keepOrder | SWP_HIDEWINDOW);
}

void CSetupDlg::OnOK()
{
    // While the work runs nothing ends the wizard (Enter included).
    if (m_bWorking)
        return;
    if (m_bInstallDone)
        g_bLaunchApp = m_chkLaunch.GetCheck() == BST_CHECKED ? TRUE : FALSE;
    win::Dialog::OnOK();
}

void CSetupDlg::OnCancel()
{
    // While the work runs nothing ends the wizard (Escape and Alt+F4
    // included): the process would end in the middle of the work.
    if (m_bWorking)
        return;
    win::Dialog::OnCancel();
}

void CSetupDlg::OnCloseButton()
{
    SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
}

bool CSetupDlg::OnPaint()
{
    if (!::IsIconic(m_hWnd))
        return false;  // the default painting; the skin is the background
    win::PaintDC dc(m_hWnd);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.Get()), 0);
    RECT client = {};
    GetClientRect(&client);
    const int x = (client.right - client.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    ::DrawIcon(dc, x, y, m_hIcon);
    return true;
}
