#pragma once

#include "framework/BitmapButton.h"
#include "framework/ComboBox.h"
#include "framework/ListBox.h"
#include "shopping/ShoppingDialog.h"

// Edit/Store Sections: which sections a store has and in which order. After OK its caller
// reads what changed, so that the shopping form can lay its list out again. Every row carries
// its section's id number, every store entry the store's.
class CAssignSectionsDlg : public CShoppingDialog
{
public:
    explicit CAssignSectionsDlg(CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;

    BOOL m_bStoresChanged = FALSE;
    BOOL m_bSectionsSaved = FALSE;

protected:
    UINT HelpContextId() const override;

    DECLARE_MESSAGE_MAP()
    void OnStoreCloseUp();
    void OnSelectionChange();
    void OnMoveUp();
    void OnMoveDown();
    void OnAdd();
    void OnRemove();
    void OnEditStores();

private:
    void FillStores();
    void FillSections();
    void FillAssigned(long store);
    void FillAll();
    long StoreAt(int nRow) const;
    // Only the first selected row moves; it stays the one selection.
    void MoveFirstSelected(int nStep);
    void MoveSelectedRows(CListBox& from, CListBox& to);
    void UpdateButtons();
    // Unsaved edits: asks the question, Yes writes them; FALSE on Cancel.
    BOOL OfferToWrite(UINT nQuestionId);
    // Nothing for no store (-1).
    void WriteSections(long store);

    CComboBox m_stores;
    CListBox m_assigned;
    CListBox m_all;
    CBitmapButton m_up;
    CBitmapButton m_down;
    BOOL m_bSectionsChanged = FALSE;

    // The store shown first at the next opening; -1 shows none.
    static int s_nLastStore;
};
