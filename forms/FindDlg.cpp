#include "forms/FindDlg.h"

#include <windows.h>

#include "database/CustObList.h"
#include "database/ListItem.h"
#include "framework/Position.h"
#include "res/resource.h"

namespace {
int s_shownTab = CFindDlg::kRecipes;
}

CFindDlg::CFindDlg(const char* pszText, BOOL bPickItem, CWnd* pParent)
    : CDialog(IDD_FIND, pParent), m_searchText(pszText != nullptr ? pszText : ""), m_bPickItem(bPickItem)
{
}

CCustObList& CFindDlg::GetResults()
{
    static CCustObList s_results;
    return s_results;
}

int CFindDlg::GetShownTab()
{
    return s_shownTab;
}

void CFindDlg::SetShownTab(int nTab)
{
    s_shownTab = nTab;
}

BOOL CFindDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CCustObList& results = GetResults();
    for (POSITION pos = results.GetHeadPosition(); pos != nullptr;)
    {
        const auto* pItem = static_cast<const CListItem*>(results.GetNext(pos));
        SendDlgItemMessage(IDC_FIND_RESULTS, LB_ADDSTRING, 0,
                           reinterpret_cast<LPARAM>(static_cast<LPCSTR>(pItem->m_name)));
    }
    return TRUE;
}

// Each result is numbered by its row, so that the caller can make the chosen one current.
void CFindDlg::OnOK()
{
    CCustObList& results = GetResults();
    if (results.IsEmpty())
    {
        OnCancel();
        return;
    }
    LONG row = 0;
    for (POSITION pos = results.GetHeadPosition(); pos != nullptr; ++row)
        static_cast<CListItem*>(results.GetNext(pos))->m_value = row;
    m_nSelectedRow = static_cast<int>(SendDlgItemMessage(IDC_FIND_RESULTS, LB_GETCURSEL));
    EndDialog(IDOK);
}

CListItem* CFindDlg::GetSelectedItem() const
{
    if (m_nSelectedRow < 0)
        return nullptr;
    POSITION pos = GetResults().FindIndex(m_nSelectedRow);
    return pos != nullptr ? static_cast<CListItem*>(GetResults().GetAt(pos)) : nullptr;
}
