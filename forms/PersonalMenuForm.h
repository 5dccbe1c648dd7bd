#pragma once

#include <memory>

#include "forms/RelatedItemsArea.h"
#include "forms/ToolActions.h"
#include "framework/BitmapButton.h"
#include "framework/Brush.h"
#include "framework/Rect.h"
#include "shell/formbase/BVFormView.h"
#include "shell/graphics/FormColors.h"

class CDC;
class CStringArray;
class CTextPane;

// The Specials list laid out as a page: a recipe picked on it opens at one number of servings
// for the whole list, the list is edited in its own dialog, and it prints as one job.
class CPersonalMenuForm : public CBVFormView, public CToolActions
{
    DECLARE_DYNCREATE(CPersonalMenuForm)
public:
    CPersonalMenuForm();
    ~CPersonalMenuForm() override;
    void OnInitialUpdate() override;
    int GetRelatedItemNames(CStringArray& names) const override;

    // The servings every Specials recipe is shown and printed at while the program runs; 0: each
    // recipe's own.
    static int GetSpecialsServings() { return s_servings; }
    static void SetSpecialsServings(int servings) { s_servings = servings; }

    // Null only before the form opens.
    const CTextPane* GetPane() const { return m_pPane.get(); }
    const CRelatedItemsPanel& GetPanel() const { return m_related.GetPanel(); }
    const CPanelPageButtons& GetPageButtons() const { return m_related.GetPageButtons(); }

protected:
    DECLARE_MESSAGE_MAP()
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnHelp();
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnDestroy();
    void OnBack();
    void OnView();
    void OnEdit();
    void OnHotSpotSelected();
    void OnServings();
    void OnPrint();
    void OnPrintWithNutrition();

private:
    enum Colour
    {
        kBackground = 0,
        kPanelBackground = 1,
        kPanelText = 2,
        kPageBackground = 3,
        kPageText = 4,
        kPageSelected = 5,
        kPageSelectedText = 6,
    };

    void AttachButtons();
    // A new pane in the page's place, with the Specials list laid out on it.
    void BuildPage();
    // The facts of every Specials recipe together, as the panel's nutrition page or chart.
    void ShowNutritionPage(BOOL bChart);

    static int s_servings;

    CFormColors m_colours;
    CBrush m_background;
    CBitmapButton m_edit;
    CBitmapButton m_view;
    CBitmapButton m_back;
    CRelatedItemsArea m_related;
    CRect m_pageRect;
    std::unique_ptr<CTextPane> m_pPane;
};
