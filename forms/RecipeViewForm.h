#pragma once

#include <memory>

#include "forms/RelatedItemsArea.h"
#include "forms/TextPane.h"
#include "forms/ToolActions.h"
#include "framework/BitmapButton.h"
#include "framework/Brush.h"
#include "shell/formbase/BVFormView.h"
#include "shell/graphics/FormColors.h"

class CDC;
class CMenuData;
class CRecipeData;
class CRecipeListItem;
class CString;
class MenuListItem;

// One recipe, or one meal plan, laid out as a page beside the related-items panel. The form
// steps through the list it was opened from, opens the editor, prints, rescales the recipe and
// follows the links of the panel and, on a meal plan, the recipes of the page.
class CRecipeViewForm : public CBVFormView, public CToolActions
{
    DECLARE_DYNCREATE(CRecipeViewForm)
public:
    CRecipeViewForm();
    ~CRecipeViewForm() override;
    void OnInitialUpdate() override;
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;
    BOOL PreTranslateMessage(tagMSG* pMsg) override;

    BOOL HasToolSelection() const override;
    int GetRelatedItemNames(CStringArray& names) const override;

    // The text of a meal-plan page's recipe line without a closing remark in parentheses.
    static CString StripRemark(const char* pszText);

    long GetViewKind() const { return m_viewKind; }
    // Null when the form shows no recipe (a meal plan, or one that could not be read).
    const CRecipeListItem* GetRecipeItem() const { return m_pRecipe.get(); }
    const MenuListItem* GetMealPlanItem() const { return m_pMealPlanItem; }
    CTextPane* GetPane() const { return m_pPane.get(); }
    const CRelatedItemsPanel& GetPanel() const { return m_related.GetPanel(); }
    const CPanelPageButtons& GetPageButtons() const { return m_related.GetPageButtons(); }

protected:
    DECLARE_MESSAGE_MAP()
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnDestroy();
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnBack();
    void OnShow();
    void OnEdit();
    void OnPrev();
    void OnNext();
    void OnToolAction(UINT nId);
    void OnPrint();
    void OnPrintWithRecipes();
    void OnServings();
    void OnHelpIndex();
    void OnHelp();
    void OnHotSpotSelected();

private:
    BOOL IsRecipeKind() const;
    // The item the form manager's value names; none when it cannot be read.
    void LoadItem();
    void AttachControls();
    void EnableSteps();
    // A new, empty page over the place of the placeholder control.
    void MakePane();
    void ShowItem();
    void ShowRecipe();
    void ShowMealPlan();
    void LayOutRecipe(CRecipeData* pRecipe);
    void Step(bool bForward);
    void PrintRecipe();
    UINT HelpContext() const;

    long m_viewKind = 0;
    std::unique_ptr<CRecipeListItem> m_pRecipe;
    MenuListItem* m_pMealPlanItem = nullptr;
    CMenuData* m_pMealPlan = nullptr;
    std::unique_ptr<CTextPane> m_pPane;
    RECT m_paneRect{};
    CFormColors m_colors;
    CBrush m_background;
    CRelatedItemsArea m_related;
    CBitmapButton m_back;
    CBitmapButton m_show;
    CBitmapButton m_edit;
    CBitmapButton m_prev;
    CBitmapButton m_next;
};
