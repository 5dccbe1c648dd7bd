#pragma once

#include <memory>

#include "framework/Brush.h"
#include "shell/formbase/BVFormView.h"
#include "shell/graphics/FormColors.h"

class CDC;
class CHotSpot;

// The start page: the title picture, the side stripe, the logo and the two captions "Recipes"
// and "Meal Plans" that lead into the category trees. Shown after start-up and by Go to Start.
class CFirstForm : public CBVFormView
{
    DECLARE_DYNCREATE(CFirstForm)
public:
    static const int kHotSpotCount = 5;

    CFirstForm();
    ~CFirstForm() override;
    void OnInitialUpdate() override;
    void OnDraw(CDC* pDC) override;

protected:
    DECLARE_MESSAGE_MAP()
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnRecipes();
    void OnMealPlans();
    void OnShopping();
    void OnHelpIndex();
    void OnHelp();

private:
    void MakeHotSpots();

    CFormColors m_colors;
    CBrush m_background;
    std::unique_ptr<CHotSpot> m_hotSpots[kHotSpotCount];
};
