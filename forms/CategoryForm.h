#pragma once

#include <memory>

#include "forms/ListFormScheme.h"
#include "framework/BitmapButton.h"
#include "framework/Font.h"
#include "shell/controls/OwnerDrawDragList.h"
#include "shell/formbase/BVFormView.h"

class CDC;
class CHotSpot;

// Browses a category tree one level at a time: the category shown and, indented below it, its
// sub-categories. Show descends, Back climbs; the form manager keeps the path and opens the
// recipe or meal-plan list of a category without sub-categories in this form's place.
class CCategoryForm : public CBVFormView
{
    DECLARE_DYNCREATE(CCategoryForm)
public:
    // The row data of the first row, the category shown itself.
    static const DWORD_PTR kShownCategoryRow = 999999;

    CCategoryForm();
    ~CCategoryForm() override;
    void OnInitialUpdate() override;
    void OnDraw(CDC* pDC) override;

protected:
    DECLARE_MESSAGE_MAP()
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnBack();
    void OnShow();
    void OnOK();
    void OnHelp();

private:
    void AttachControls();
    void MakeHotSpots();
    // Shows the form manager's current category and its sub-categories with the row selected.
    void ShowLevel(int nRow);
    void FillList();

    CListFormScheme m_scheme;
    CFont m_titleFont;
    COwnerDrawDragList m_list;
    CBitmapButton m_show;
    CBitmapButton m_back;
    std::unique_ptr<CHotSpot> m_hotSpots[2];
};
