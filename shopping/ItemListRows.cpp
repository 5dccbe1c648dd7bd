#include "shopping/ItemListRows.h"

#include <windows.h>

#include <memory>

#include "database/IngData.h"
#include "printing/LineFormat.h"
#include "printing/PageFormatter.h"
#include "printing/ReportOutput.h"
#include "res/resource.h"
#include "shell/services/MessageUtilities.h"
#include "shopping/ShoppingList.h"
#include "shopping/ShoppingListItem.h"
#include "shopping/ShoppingListWriter.h"

namespace {

const int kIndent = 5;

CString LoadText(UINT nId)
{
    CString text;
    text.LoadString(nId);
    return text;
}

}  // namespace

CString ItemListRowText(const CShoppingListItem& item, BOOL bFrequent)
{
    return bFrequent ? CShoppingListWriter::ItemText(item, false) : item.GetLine().m_name;
}

// The title comes from the kind of list: an entry added to the shopping list from the frequent
// list is renamed "Pantry", so its recipe name no longer tells the kind.
BOOL PrintItemList(HWND hOwner, const CShoppingList& list, BOOL bFrequent)
{
    if (list.GetSize() == 0)
    {
        MessageBoxById(hOwner, nullptr, IDS_ITEM_LIST_EMPTY, MB_ICONINFORMATION);
        return FALSE;
    }
    const CString title = LoadText(bFrequent ? IDS_FREQUENT_ITEMS_LIST : IDS_PANTRY_ITEMS_LIST);
    std::unique_ptr<CPageFormatter> output = OpenReportOutput(title);
    if (output == nullptr)
        return FALSE;
    const CLineFormat callerFormat = output->GetLineFormat();
    output->SetLineFormat(CLineFormat(CLineFormat::FlagBold, CLineFormat::Centred, kIndent, 160));
    output->WriteText(title, nullptr);
    output->SetLineFormat(CLineFormat(0, CLineFormat::HangingIndent, kIndent, 100));
    for (int i = 0; i < list.GetSize(); ++i)
    {
        const CShoppingListItem* pItem = list.GetItem(i);
        const CString box = pItem->m_checked ? "[\tx\t]\t" : "[\t \t]\t";
        output->WriteText(box + ItemListRowText(*pItem, bFrequent), nullptr);
    }
    output->SetLineFormat(callerFormat);
    return CloseReportOutput(std::move(output), 1) != 0;
}
