#include "forms/ChapterCombo.h"

#include <windows.h>

#include "database/CookbookDatabase.h"
#include "database/RecipeData.h"
#include "database/TOCListItem.h"
#include "forms/ChapterRows.h"
#include "res/resource.h"
#include "shell/controls/DialogControls.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/services/MessageUtilities.h"

void CChapterCombo::Fill()
{
    ResetContent();
    AddChapterRows(m_hWnd, TRUE, CRecordId());
}

void CChapterCombo::SelectChapter(const CRecordId& id)
{
    int row = -1;
    for (int i = 0; i < GetCount() && row < 0; ++i)
    {
        if (static_cast<long>(GetItemData(i)) == id.GetNumber())
            row = i;
    }
    SetCurSel(row);
    GetWindowText(m_text);
    m_lastTyped = m_text;
}

BOOL CChapterCombo::TakeSelection(CRecipeData& recipe)
{
    const int row = GetCurSel();
    if (row < 0)
        return FALSE;
    GetLBText(row, m_text);
    recipe.m_chapterId = CRecordId(static_cast<unsigned long>(GetItemData(row)));
    recipe.m_chapterTitle = m_text;
    return TRUE;
}

void CChapterCombo::CompleteTyping()
{
    if (m_settingText)
        return;
    CString typed;
    GetWindowText(typed);
    if (typed.GetLength() <= kMaximumName)
    {
        CompleteComboText(m_hWnd, m_text, m_lastTyped);
        return;
    }
    MessageBoxById(GetParent()->m_hWnd, nullptr, IDS_CHAPTER_NAME_TOO_LONG, MB_OK | MB_ICONEXCLAMATION);
    m_text = typed.Left(kMaximumName);
    m_lastTyped = m_text;
    m_settingText = TRUE;
    SetWindowText(m_text);
    m_settingText = FALSE;
    SetEditSel(kMaximumName, kMaximumName);
}

BOOL CChapterCombo::CheckChapter(CRecipeData& recipe)
{
    CString typed;
    GetWindowText(typed);
    if (typed.IsEmpty())
    {
        MessageBoxById(GetParent()->m_hWnd, nullptr, IDS_CHAPTER_NAME_NEEDED, MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    const int row = FindString(-1, typed);
    if (row >= 0)
    {
        SetCurSel(row);
        return TakeSelection(recipe);
    }
    if (MessageBoxById(GetParent()->m_hWnd, nullptr, IDS_ADD_MISSING_CHAPTER, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return FALSE;
    return AddChapter(typed) && TakeSelection(recipe);
}

BOOL CChapterCombo::AddChapter(const CString& name)
{
    TOCListItem chapter(name, 0, 'T');
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    if (pDatabase == nullptr || !pDatabase->SaveChapter(chapter))
    {
        MessageBoxById(GetParent()->m_hWnd, nullptr, IDS_CHAPTER_NOT_CREATED, MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    const int row = AddString(name);
    SetItemData(row, chapter.m_id.GetNumber());
    SetCurSel(row);
    return TRUE;
}
