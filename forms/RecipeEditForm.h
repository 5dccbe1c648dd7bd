#pragma once

#include <memory>

#include "database/RecipeData.h"
#include "database/RecordId.h"
#include "forms/ChapterCombo.h"
#include "forms/EditFormView.h"
#include "forms/RecipeFieldHost.h"
#include "forms/RelatedItemsArea.h"
#include "framework/BitmapButton.h"
#include "framework/Brush.h"
#include "framework/Font.h"
#include "shell/graphics/FormColors.h"

class CDC;
class CStringArray;
class CRcpScrollWnd;

// Creates or changes one recipe: its fields and ingredient lines on a page of fields, its
// chapter, categories, references and hand-typed nutrition. The form works on a copy; the
// cookbook and the recipe on display take it only when Save stores it, and a refused or failed
// save keeps the copy and the form modified, so leaving still asks.
class CRecipeEditForm : public CEditFormView, public CRecipeFieldHost
{
    DECLARE_DYNCREATE(CRecipeEditForm)
public:
    CRecipeEditForm();
    ~CRecipeEditForm() override;
    void OnInitialUpdate() override;
    // Opens the recipe the form manager names for editing; a zero id starts a new recipe.
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;

    BOOL CanCopyIngredients() const override;
    BOOL CanPasteIngredients() const override;
    int GetRelatedItemNames(CStringArray& names) const override;
    // kSaved once the cookbook holds the copy; kNotSaved when unchanged or refused, kDeclined
    // when the user kept a title in use from being used again or the cookbook refused the write.
    int SaveRecipe();

    // An open line editor commits its line first: when it cannot, the user stays on the line.
    int QuerySaveChanges() override;

    void SetDirty() override { m_nModified = 1; }
    CWnd* ShowIngredientPanel(CWnd* pOwner) override;
    void HideIngredientPanel() override;
    void SetIngredientLine(CIngData* pLine) override;
    void EnablePageButtons(BOOL bEnable) override;

    // The chapter a new recipe starts in: the chapter of the last recipe saved while the program
    // runs.
    static CRecordId GetDefaultChapter();
    static void ForgetDefaultChapter();

    const CRecipeData& GetWorkingCopy() const { return m_copy; }
    CRcpScrollWnd* GetFieldWindow() const { return m_pFields.get(); }
    const CRelatedItemsArea& GetRelatedItems() const { return m_related; }

protected:
    DECLARE_MESSAGE_MAP()
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    int SaveEdits() override { return SaveRecipe(); }
    void NextField() override;
    void PreviousField() override;
    void NextLine() override;
    void PreviousLine() override;
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnDestroy();
    void OnSave();
    void OnCategories();
    void OnReferences();
    void OnNutritionEditor();
    void OnNutritionPage(UINT nId);
    void OnChapterChosen();
    void OnChapterTyped();

private:
    void MakeLabelFont();
    void CreateFieldWindow();
    void AttachButtons();
    void ShowRecipe();
    // FALSE when an open line editor cannot commit its line (the user was told why).
    BOOL CommitPendingLine();
    // The ingredient panel's check boxes, while a line is edited.
    void ForwardToIngredientPanel(WPARAM wParam);
    // Cut, copy and paste move ingredient lines when lines are selected, else text.
    void OnClipboardCommand(UINT nId);
    // The cookbook's answer: 0 written, 2 failed, 3 read-only.
    int WriteCopy();
    BOOL TitleInUse() const;

    CRecipeData m_copy;
    // What the copy started from: the save rewrites what differs from it.
    CRecipeData m_original;
    CRecipeData* m_pCached = nullptr;
    CFormColors m_colors;
    CBrush m_background;
    CFont m_labelFont;
    CChapterCombo m_chapter;
    std::unique_ptr<CRcpScrollWnd> m_pFields;
    CRelatedItemsArea m_related;
    CBitmapButton m_back;
    CBitmapButton m_save;
    CBitmapButton m_categories;
    CBitmapButton m_references;
};
