#include "shopping/StoreRows.h"

#include "database/CookbookDatabase.h"
#include "database/ListItem.h"
#include "framework/ComboBox.h"
#include "framework/ListBox.h"
#include "shell/services/CurrentDatabase.h"

namespace {

template <class Rows>
void AddRows(Rows& rows, LPCSTR lpszPrefix)
{
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    if (pDatabase == nullptr)
        return;
    const CCustObList& stores = pDatabase->LoadStores();
    for (POSITION position = stores.GetHeadPosition(); position != nullptr;)
    {
        const auto* pStore = static_cast<const CListItem*>(stores.GetNext(position));
        const int nRow = rows.AddString(CString(lpszPrefix) + pStore->m_name);
        rows.SetItemData(nRow, static_cast<DWORD_PTR>(pStore->m_id.GetNumber()));
    }
}

}  // namespace

void AddStoreRows(CComboBox& combo, LPCSTR lpszPrefix)
{
    AddRows(combo, lpszPrefix);
}

void AddStoreRows(CListBox& list)
{
    AddRows(list, "");
}

bool IsGroupName(const CString& value)
{
    return !(value.GetLength() == 6 && value[0] >= '0' && value[0] <= '9');
}
