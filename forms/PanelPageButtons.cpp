#include "forms/PanelPageButtons.h"

#include <windows.h>

#include "forms/RelatedItemsPanel.h"
#include "framework/Wnd.h"
#include "res/resource.h"
#include "shell/controls/DialogControls.h"

namespace {

struct PagePictures
{
    UINT nButtonId;
    LPCSTR lpszUp;
    LPCSTR lpszDown;
    LPCSTR lpszGreyed;
    UINT nTabId;
    LPCSTR lpszTabPicture;
};

const PagePictures kPages[] = {
    {IDC_PAGE_NUTRITION, "NUTUP", "NUTDN", "NUTGR", IDC_TAB_NUTRITION, "NUTLB"},
    {IDC_PAGE_PHOTO, "PHOTUP", "PHOTDN", "PHOTGR", IDC_TAB_PHOTO, "PHOLB"},
    {IDC_PAGE_INFORMATION, "INFOUP", "INFODN", "INFOGR", IDC_TAB_INFORMATION, "INFLB"},
};

}  // namespace

// A tab's pictures: available (R) or greyed (G), each flat (F) or in front (D).
void CPanelPageButtons::Attach(CWnd* pForm)
{
    for (int i = 0; i < kPageCount; ++i)
    {
        const PagePictures& page = kPages[i];
        AttachBitmapButton(m_pages[i], pForm, page.nButtonId, page.lpszUp, page.lpszDown, page.lpszUp, page.lpszGreyed);
        const CString tab = page.lpszTabPicture;
        m_tabs[i].SetBitmaps(tab + "RF", tab + "RD", tab + "GF", tab + "GD");
        m_tabs[i].Attach(pForm, page.nTabId);
        m_tabs[i].SetSecondState(FALSE);
    }
}

void CPanelPageButtons::Update(long available, long shownPage)
{
    m_available = available;
    for (int i = 0; i < kPageCount; ++i)
    {
        const BOOL bHas = (available & (1L << i)) != 0;
        if (m_pages[i].m_hWnd != nullptr)
            m_pages[i].EnableWindow(bHas);
        m_tabs[i].SetSecondState(bHas);
    }
    if (shownPage >= kNutritionPage && shownPage <= kInformationPage)
        SelectPage(static_cast<int>(shownPage));
}

void CPanelPageButtons::SelectPage(int page)
{
    for (int i = 0; i < kPageCount; ++i)
        m_tabs[i].SetFirstState(i + 1 == page);
}

void CPanelPageButtons::EnablePages(BOOL bEnable)
{
    for (int i = 0; i < kPageCount; ++i)
        if (m_pages[i].m_hWnd != nullptr)
            m_pages[i].EnableWindow(bEnable && (m_available & (1L << i)) != 0);
}

BOOL CPanelPageButtons::IsPageCommand(WPARAM wParam)
{
    const UINT nCode = HIWORD(wParam);
    const UINT nId = LOWORD(wParam);
    if (nCode != BN_CLICKED && nCode != 1)
        return FALSE;
    return nId == IDC_PAGE_NUTRITION || nId == IDC_PAGE_PHOTO || nId == IDC_PAGE_INFORMATION ||
           (nId >= ID_PANEL_INFORMATION && nId <= ID_PANEL_INFORMATION_LAST) ||
           (nId >= ID_PANEL_PHOTO && nId <= ID_PANEL_PHOTO_LAST);
}

BOOL CPanelPageButtons::RouteCommand(WPARAM wParam, CRelatedItemsPanel& panel, CWnd* pForm)
{
    if (!IsPageCommand(wParam))
        return FALSE;
    const UINT nId = LOWORD(wParam);
    if (nId == IDC_PAGE_NUTRITION)
    {
        SelectPage(kNutritionPage);
        panel.OnNutritionButton(pForm);
    }
    else if (nId == IDC_PAGE_PHOTO)
        panel.OnPhotoButton(pForm, pForm->GetDlgItem(IDC_PAGE_PHOTO));
    else if (nId == IDC_PAGE_INFORMATION)
        panel.OnInformationButton(pForm, pForm->GetDlgItem(IDC_PAGE_INFORMATION));
    else if (nId <= ID_PANEL_INFORMATION_LAST)
    {
        SelectPage(kInformationPage);
        panel.ShowInformation(pForm, static_cast<int>(nId - ID_PANEL_INFORMATION));
    }
    else
    {
        SelectPage(kPhotoPage);
        panel.ShowPhoto(pForm, static_cast<int>(nId - ID_PANEL_PHOTO));
    }
    return TRUE;
}
