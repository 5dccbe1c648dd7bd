#include "exchange/ExchangeDlgControls.h"

#include <windows.h>

#include "database/CustObArray.h"
#include "database/TOCListItem.h"
#include "exchange/ResourceText.h"
#include "framework/Wnd.h"
#include "res/resource.h"

void FillExchangeTypeCombo(CWnd& dialog, UINT nFirstText, int nCount)
{
    for (int i = 0; i < nCount; ++i)
        dialog.SendDlgItemMessage(IDC_EXCHANGE_TYPE, CB_ADDSTRING, 0,
                                  reinterpret_cast<LPARAM>(LoadResourceText(nFirstText + i).GetString()));
    dialog.SendDlgItemMessage(IDC_EXCHANGE_TYPE, CB_SETCURSEL, 0);
    dialog.SendDlgItemMessage(IDC_EXCHANGE_TYPE, CB_SETEXTENDEDUI, TRUE);
}

void AddExchangeChapters(CWnd& dialog, const CCustObArray& chapters)
{
    for (int i = 0; i < chapters.GetSize(); ++i)
    {
        const auto* pChapter = static_cast<const TOCListItem*>(chapters.GetAt(i));
        const LRESULT nIndex = dialog.SendDlgItemMessage(IDC_EXCHANGE_CHAPTER, CB_ADDSTRING, 0,
                                                         reinterpret_cast<LPARAM>(pChapter->m_name.GetString()));
        dialog.SendDlgItemMessage(IDC_EXCHANGE_CHAPTER, CB_SETITEMDATA, static_cast<WPARAM>(nIndex),
                                  pChapter->m_id.GetNumber());
    }
}

void ShowRecipeSelection(CWnd& dialog, int nSelectedButton, int nAllButton)
{
    const int nSelected = static_cast<int>(dialog.SendDlgItemMessage(IDC_EXCHANGE_RECIPES, LB_GETSELCOUNT));
    const int nCount = static_cast<int>(dialog.SendDlgItemMessage(IDC_EXCHANGE_RECIPES, LB_GETCOUNT));
    CString text;
    text.Format(LoadResourceText(IDS_EXCHANGE_SELECTED), nSelected, nCount);
    dialog.SetDlgItemText(IDC_EXCHANGE_COUNT, text);
    ::EnableWindow(::GetDlgItem(dialog.m_hWnd, nSelectedButton), nSelected > 0);
    ::EnableWindow(::GetDlgItem(dialog.m_hWnd, nAllButton), nCount > 0);
}

std::vector<int> SelectedRecipeRows(const CWnd& dialog, int nSelected)
{
    std::vector<int> selected(static_cast<std::size_t>(nSelected));
    dialog.SendDlgItemMessage(IDC_EXCHANGE_RECIPES, LB_GETSELITEMS, static_cast<WPARAM>(nSelected),
                              reinterpret_cast<LPARAM>(selected.data()));
    return selected;
}
