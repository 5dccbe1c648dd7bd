#include "forms/ChapterRows.h"

#include "database/CookbookDatabase.h"
#include "database/CustObArray.h"
#include "database/TOCListItem.h"
#include "shell/services/CurrentDatabase.h"

int AddChapterRows(HWND hControl, BOOL bCombo, const CRecordId& selectId)
{
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    if (pDatabase == nullptr)
        return -1;
    const UINT addMessage = bCombo ? CB_ADDSTRING : LB_ADDSTRING;
    const UINT dataMessage = bCombo ? CB_SETITEMDATA : LB_SETITEMDATA;
    int nSelectedRow = -1;
    CCustObArray chapters;
    pDatabase->LoadChapters(chapters);
    for (int i = 0; i < chapters.GetSize(); ++i)
    {
        const auto* pChapter = static_cast<const TOCListItem*>(chapters.GetItemAt(i));
        const LRESULT nRow =
            ::SendMessageA(hControl, addMessage, 0, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(pChapter->m_name)));
        ::SendMessageA(hControl, dataMessage, static_cast<WPARAM>(nRow), pChapter->m_id.GetNumber());
        if (pChapter->m_id == selectId)
            nSelectedRow = static_cast<int>(nRow);
    }
    chapters.DeleteAll();
    return nSelectedRow;
}
