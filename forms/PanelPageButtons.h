#pragma once

#include <windef.h>

#include "framework/BitmapButton.h"
#include "shell/controls/StateBitmapButton.h"

class CWnd;

// The Nutrition, Photo and Information buttons of a form beside a related-items panel, and the
// three tabs over the panel: a tab shows whether its page has something and whether it is the
// page on display.
class CPanelPageButtons
{
public:
    enum Page
    {
        kNutritionPage = 1,
        kPhotoPage = 2,
        kInformationPage = 3,
    };

    void Attach(CWnd* pForm);
    // available: the panel's bits of pages with content (nutrition 1, photos 2, information 4);
    // shownPage: the page the panel shows now.
    void Update(long available, long shownPage);
    // The tab of the page turns on, the other two off.
    void SelectPage(int page);
    // The page buttons stay off while an edit panel covers the pages.
    void EnablePages(BOOL bEnable);

    const CStateBitmapButton& GetTab(int page) const { return m_tabs[page - 1]; }

private:
    static const int kPageCount = 3;

    CBitmapButton m_pages[kPageCount];
    CStateBitmapButton m_tabs[kPageCount];
    long m_available = 0;
};
