#pragma once

#include "forms/HelpContextKeeper.h"
#include "framework/Dialog.h"

class CString;

// Edit/Chapters: adds, renames and deletes the cookbook's chapters. The list shows each chapter's
// title with its numeric record id as item data.
class CEditChaptersDlg : public CDialog
{
public:
    explicit CEditChaptersDlg(CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;
    // Close: an unsaved edit is offered for saving first.
    void OnOK() override;

protected:
    DECLARE_MESSAGE_MAP()
    void OnChapterSelected();
    void OnNameUpdate();
    void OnAdd();
    void OnSave();
    void OnDelete();
    void OnHelpButton();
    void OnDestroy();

private:
    void FillChapters();
    void EnableRowButtons(BOOL bEnable);
    CString TypedName() const;
    int SelectedRow() const;
    CString RowText(int nRow) const;
    // Asks the question of string nId about the name; TRUE on Yes.
    BOOL Confirm(UINT nId, const CString& name);

    BOOL m_bChanged = FALSE;
    CHelpContextKeeper m_helpContext;
};
