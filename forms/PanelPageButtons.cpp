#include "forms/PanelPageButtons.h"

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
