#include "shell/controls/RecipeListBox.h"

#include <cstdio>

#include <windows.h>

#include "shell/services/TextUtilities.h"

namespace {

CString ValueText(float value, int columnMode)
{
    char text[64];
    switch (columnMode)
    {
    case 3: std::snprintf(text, sizeof text, "%2.0f%% ", value); return text;
    case 7:
    case 8:
    {
        CString minutes;
        FormatMinutes(static_cast<int>(value), minutes);
        return minutes + " ";
    }
    case 9: std::snprintf(text, sizeof text, "$%3.2f ", value); return text;
    default: std::snprintf(text, sizeof text, "%4.0f ", value); return text;
    }
}

}  // namespace

LRESULT CRecipeListBox::Initialise(int sortKey, const CRecordId& id, int columnMode)
{
    m_columnMode = columnMode;
    return CItemListBox::Initialise(sortKey, id);
}

CString CRecipeListBox::BuildRowText(const CSortedRecipeListItem& item, int columnMode)
{
    if (columnMode <= 1)
        return item.m_name;
    return item.m_name + "|" + ValueText(item.m_sortValue, columnMode);
}

LRESULT CRecipeListBox::FillRequest(LCITEMREQUEST* pRequest, long index, CSortedRecipeListItem* pItem)
{
    CItemListBox::FillRequest(pRequest, index, pItem);
    pItem->m_sortText = BuildRowText(*pItem, m_columnMode);
    pRequest->pszText = const_cast<char*>(static_cast<LPCSTR>(pItem->m_sortText));
    return 1;
}
