#include "win/Dialog.h"

#include "win/ResourceModule.h"

namespace win {

namespace {

// Messages whose result a dialog procedure returns itself instead of
// through DWLP_MSGRESULT.
bool ReturnsResultDirectly(UINT message)
{
    switch (message) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
    case WM_INITDIALOG:
        return true;
    default:
        return false;
    }
}

}  // namespace

Dialog::Dialog(UINT templateId, HWND parent) : m_templateId(templateId), m_hParent(parent)
{
}

Dialog::~Dialog()
{
    if (IsWindow())
        ::DestroyWindow(m_hWnd);
}

INT_PTR Dialog::DoModal()
{
    m_bEnded = false;
    m_nResult = -1;
    // The template lives with the program's pictures, never in a language library.
    HWND hWnd = ::CreateDialogParamW(GetResourceModule(), MAKEINTRESOURCEW(m_templateId),
                                     m_hParent, &Dialog::DialogProc, reinterpret_cast<LPARAM>(this));
    if (hWnd == nullptr)
        return -1;

    // The owner stays disabled for the modal run, as with any modal dialog.
    const bool ownerDisabled = m_hParent != nullptr && ::EnableWindow(m_hParent, FALSE) == FALSE;

    MSG message;
    while (!m_bEnded) {
        const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
        if (got == -1)
            break;  // only an invalid filter makes GetMessage fail; ours has none
        if (got == 0) {
            // A quit request ends the dialog and is left for any loop outside.
            ::PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (PreTranslateMessage(&message))
            continue;
        if (!::IsDialogMessageW(m_hWnd, &message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }

    if (ownerDisabled) {
        ::EnableWindow(m_hParent, TRUE);
        ::SetActiveWindow(m_hParent);
    }
    if (IsWindow())
        ::DestroyWindow(m_hWnd);
    m_hWnd = nullptr;
    return m_nResult;
}

void Dialog::EndDialog(INT_PTR result)
{
    m_nResult = result;
    m_bEnded = true;
    if (IsWindow()) {
        ShowWindow(SW_HIDE);
        // Wakes the modal loop should the call come from outside its dispatch.
        PostMessage(WM_NULL);
    }
}

BOOL Dialog::OnInitDialog()
{
    DoDataExchange();
    return TRUE;
}

void Dialog::OnOK()
{
    EndDialog(IDOK);
}

void Dialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

bool Dialog::HandleMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/, LRESULT& result)
{
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            OnOK();
            result = 0;
            return true;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            OnCancel();
            result = 0;
            return true;
        }
        return false;
    case WM_SYSCOMMAND:
        // The close request (the close button, Alt+F4) ends the dialog like
        // Cancel, whatever state the Cancel button itself is in.
        if ((wParam & 0xFFF0) == SC_CLOSE) {
            OnCancel();
            result = 0;
            return true;
        }
        return false;
    case WM_CLOSE:
        OnCancel();
        result = 0;
        return true;
    default:
        return false;
    }
}

bool Dialog::BindControl(int id, SubclassedWindow& control)
{
    HWND hControl = GetDlgItem(id);
    if (hControl == nullptr)
        return false;
    return control.SubclassWindow(hControl) != FALSE;
}

SubclassedWindow* Dialog::NotifyingControl(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        // lParam is null for menu items and accelerators.
        return SubclassedWindow::FromHandle(reinterpret_cast<HWND>(lParam));
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (wParam == 0 || item == nullptr || item->CtlType == ODT_MENU)
            return nullptr;
        return SubclassedWindow::FromHandle(item->hwndItem);
    }
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        return header != nullptr ? SubclassedWindow::FromHandle(header->hwndFrom) : nullptr;
    }
    default:
        return nullptr;
    }
}

bool Dialog::PreTranslateMessage(MSG* message) const
{
    for (HWND hWnd = message->hwnd; hWnd != nullptr && hWnd != m_hWnd; hWnd = ::GetParent(hWnd)) {
        SubclassedWindow* control = SubclassedWindow::FromHandle(hWnd);
        if (control != nullptr && control->PreTranslateMessage(message))
            return true;
    }
    return false;
}

INT_PTR CALLBACK Dialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<Dialog*>(lParam);
        ::SetWindowLongPtrW(hWnd, DWLP_USER, lParam);
        self->m_hWnd = hWnd;
        return self->OnInitDialog();
    }

    // Messages before WM_INITDIALOG (WM_SETFONT and the like) find no object yet.
    auto* self = reinterpret_cast<Dialog*>(::GetWindowLongPtrW(hWnd, DWLP_USER));
    if (self == nullptr)
        return FALSE;

    LRESULT result = 0;
    bool handled = false;
    if (SubclassedWindow* control = NotifyingControl(message, wParam, lParam))
        handled = control->OnChildNotify(message, wParam, lParam, &result);
    if (!handled)
        handled = self->HandleMessage(message, wParam, lParam, result);

    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(hWnd, DWLP_USER, 0);
        self->m_hWnd = nullptr;
    }
    if (!handled)
        return FALSE;
    if (ReturnsResultDirectly(message))
        return static_cast<INT_PTR>(result);
    ::SetWindowLongPtrW(hWnd, DWLP_MSGRESULT, result);
    return TRUE;
}

}  // namespace win
