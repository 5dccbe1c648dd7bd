#pragma once

#include "framework/ComboBox.h"
#include "framework/String.h"

class CRecipeData;
class CRecordId;

// The chapter of the recipe being edited, chosen from the cookbook's chapters or typed: a typed
// name completes from the list, and a name the cookbook lacks can be added to it as a chapter.
class CChapterCombo : public CComboBox
{
public:
    static const int kMaximumName = 30;

    // The cookbook's chapters, each with its record number as item data.
    void Fill();
    // The chapter's row selected; none when the chapter is not listed.
    void SelectChapter(const CRecordId& id);
    // The recipe takes the selected row's chapter; FALSE when no row is selected.
    BOOL TakeSelection(CRecipeData& recipe);
    // Completes the typed text from the list; a name over the limit is refused and cut.
    void CompleteTyping();
    // The typed text names a listed chapter (the first that begins with it, in any case), or,
    // when the user agrees, a chapter made for it: the recipe takes it. FALSE, with the user
    // told why, when the recipe has no chapter.
    BOOL CheckChapter(CRecipeData& recipe);

private:
    BOOL AddChapter(const CString& name);

    CString m_text;
    CString m_lastTyped;
    BOOL m_settingText = FALSE;
};
