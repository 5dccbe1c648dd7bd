#pragma once

#include <memory>

#include "database/RefItemArray.h"
#include "database/RefListItem.h"
#include "forms/HelpContextKeeper.h"
#include "framework/Dialog.h"
#include "framework/TabCtrl.h"
#include "shell/controls/ItemListBox.h"

class CMenuData;
class CPictureWnd;
class CRecipeData;
struct tagNMHDR;

// Attach References: attaches topics, photos and related recipes, meal plans and hints to the
// recipe or meal plan being edited. The record's reference array changes only on Close, and the
// cookbook only for new topics and photos (they join the library) and for the rows that name a
// related recipe or meal plan, made on Close.
class CAttachRefDlg : public CDialog
{
public:
    enum Tab
    {
        kPhotoTab,
        kInfoTab,
        kRelatedTab
    };

    CAttachRefDlg(CWnd* pParent, BOOL bMealPlan);
    ~CAttachRefDlg() override;

    void SetRecipe(CRecipeData* pRecipe) { m_pRecipe = pRecipe; }
    void SetMealPlan(CMenuData* pMealPlan) { m_pMealPlan = pMealPlan; }
    // The attached references were changed and handed to the recipe or meal plan.
    BOOL IsModified() const { return m_bModified; }

    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    DECLARE_MESSAGE_MAP()
    void OnTabChange(tagNMHDR* pHeader, LRESULT* pResult);
    void OnViewChosen();
    void OnRelatedTypeChosen();
    void OnLibrarySelected();
    void OnRecipeSelected();
    void OnAttachedSelected();
    void OnFieldChange();
    void OnAttach();
    void OnDetach();
    void OnAdd();
    void OnClose();
    void OnHelpButton();
    void OnDestroy();

private:
    CRefItemArray& RecordReferences() const;
    char TabType() const;
    BOOL ShowsAll() const;
    int LibraryListId() const;
    void ShowTab();
    void ShowRelatedLists();
    void FillLibraryList();
    void FillAttachedList();
    void ShowEntry(const RefListItem& reference);
    void ShowPicture(const CString& fileName);
    void ClearFields(BOOL bWritable);
    void PutText(int nId, LPCSTR lpszText);
    void EnableAttachButtons(BOOL bAttach, BOOL bDetach);
    // Offers to attach what was typed; cleared either way.
    void CheckPending();
    BOOL AttachTyped();
    void AttachFromLibrary();
    void AttachRelated();
    void Append(const RefListItem& reference);
    // The attached reference shown in the list's row (the lists hold the attached ones of the
    // tab's type in order); -1 when none.
    int AttachedIndexOfRow(char type, int nRow) const;
    // Gives each related recipe or meal plan its row in the cookbook, reusing one that names the
    // same record. FALSE when a row could not be written.
    BOOL SaveRelatedRows();
    BOOL Refuse(UINT nId);

    CItemListBox m_allRecipes;
    std::unique_ptr<CPictureWnd> m_picture;
    BOOL m_bModified = FALSE;
    CRecipeData* m_pRecipe = nullptr;
    CMenuData* m_pMealPlan = nullptr;
    BOOL m_bMealPlan;
    CRefItemArray m_attached;
    CRefItemArray m_all;
    BOOL m_bAllTopics = TRUE;
    BOOL m_bAllPhotos = TRUE;
    CHelpContextKeeper m_helpContext;
    BOOL m_bChanged = FALSE;
    CString m_fileName;
    CTabCtrl m_tabs;
};
