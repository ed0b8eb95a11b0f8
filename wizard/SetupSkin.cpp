// The wizard's look: the skin bitmap gives the window its outline (magenta
// pixels lie outside), its size, centred on the screen, and its background;
// the user drags the window by any point of its face.
#include "controls/BitmapRegion.h"
#include "resource.h"
#include "win/DCSelection.h"
#include "win/DeviceContext.h"
#include "win/ResourceModule.h"
#include "wizard/SetupDlg.h"
#include "wizard/WizardLayout.h"
#include "wizard/WizardTexts.h"

void CSetupDlg::LoadSkin()
{
    m_hSkin = ::LoadBitmapW(win::GetResourceModule(), MAKEINTRESOURCEW(IDB_SKIN));
    if (m_hSkin == nullptr) {
        // Reported, then the wizard goes on with the template's size and look.
        ::MessageBoxW(m_hWnd, kSkinLoadError, nullptr, MB_OK);
    }
}

void CSetupDlg::ShapeWindowFromSkin()
{
    if (m_hSkin == nullptr || ::GetObjectW(m_hSkin, sizeof(m_bmSkin), &m_bmSkin) == 0)
        return;
    const int width = m_bmSkin.bmWidth;
    const int height = m_bmSkin.bmHeight;

    HRGN outline = ::CreateRegionFromBitmap(m_hSkin, kSkinKeyColor);
    // From a successful SetWindowRgn on, the region belongs to the window.
    // Without an outline the window stays the skin's rectangle.
    if (outline != nullptr && !::SetWindowRgn(m_hWnd, outline, TRUE))
        ::DeleteObject(outline);

    // Each half is divided on its own, as the skin's size and the screen's are.
    const int x = ::GetSystemMetrics(SM_CXSCREEN) / 2 - width / 2;
    const int y = ::GetSystemMetrics(SM_CYSCREEN) / 2 - height / 2;
    SetWindowPos(nullptr, x, y, width, height, 0);
}

BOOL CSetupDlg::OnEraseBkgnd(HDC dc)
{
    win::MemoryDC skinDC(dc);
    if (!skinDC.IsNull()) {
        win::DCSelection selection(skinDC);
        selection.Bitmap(m_hSkin);
        ::BitBlt(dc, 0, 0, m_bmSkin.bmWidth, m_bmSkin.bmHeight, skinDC, 0, 0, SRCCOPY);
    }
    // Erased or not, nothing else paints over the skin's place.
    return TRUE;
}

void CSetupDlg::OnLButtonDown(UINT /*flags*/, POINT point)
{
    // A press on the face counts as a press on a caption: the system moves the
    // window with the mouse until the button is let go. Presses on the
    // controls reach the controls instead.
    PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
}
