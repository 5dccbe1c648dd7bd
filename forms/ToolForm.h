#pragma once

#include "framework/BitmapButton.h"
#include "framework/Brush.h"
#include "shell/formbase/BVFormView.h"
#include "shell/graphics/FormColors.h"

class CDC;

// The strip of navigation buttons across the top of the main frame: Go to Start, Contents,
// Find, Related, Meal Plans, Shopping and Print, enabled for the form on display. It lives,
// in its own frame, as long as the program; the form manager opens it first.
class CToolForm : public CBVFormView
{
    DECLARE_DYNCREATE(CToolForm)
public:
    static const int kButtonCount = 7;

    CToolForm();
    void OnInitialUpdate() override;
    void EnableButtonsForForm(long kind) override;
    void FitToButtonBar() override;
    // The viewing forms enable it when they have related items to offer.
    void EnableRelated(BOOL bEnable) override;

protected:
    DECLARE_MESSAGE_MAP()
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnGoToStart();
    void OnContents();
    void OnRelated();
    void OnMealPlans();
    void OnShopping();
    void OnCalendar();
    void OnPrint();
    void OnExit();
    void OnHelp();

private:
    void AttachButtons();
    void EnableButton(UINT nId, BOOL bEnable);

    CBitmapButton m_buttons[kButtonCount];
    CFormColors m_colors;
    CBrush m_background;
};
