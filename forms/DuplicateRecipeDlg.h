#pragma once

#include "database/RecordId.h"
#include "forms/HelpContextKeeper.h"
#include "framework/Dialog.h"
#include "framework/String.h"

// Edit/Duplicate Recipe: copies a recipe, with its ingredient lines, categories and references,
// under a new name into a chapter the user picks.
class CDuplicateRecipeDlg : public CDialog
{
public:
    explicit CDuplicateRecipeDlg(CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;

    // Set by the caller before the dialog runs.
    CRecordId m_sourceId;
    CRecordId m_sourceChapterId;
    CString m_sourceTitle;
    CString m_proposedName;

    // Filled by the dialog.
    CString m_newName;
    CRecordId m_chapterId;
    CString m_chapterTitle;

protected:
    DECLARE_MESSAGE_MAP()
    void OnNameUpdate();
    void OnHelpButton();
    void OnDestroy();

private:
    void FillChapters();
    // 0 written, 2 failed, 3 read-only cookbook.
    int InsertCopy();

    CHelpContextKeeper m_helpContext;
};
