#pragma once

#include <memory>

#include "forms/EditPanelSlot.h"
#include "framework/Brush.h"
#include "framework/Button.h"
#include "framework/Font.h"
#include "framework/Wnd.h"

class CIngData;
class CIngredientPanelOwner;

// Beside the open line editor of the recipe editor: the options of the ingredient line being
// worked on and the buttons that delete or insert lines and create or find the line's
// ingredient. The related-items panel shows and hides it in its own place.
class CIngredientPanel : public CWnd, public CEditPanelSlot
{
public:
    static const int kControlCount = 7;

    // Created hidden in rect of pForm.
    CIngredientPanel(CWnd* pForm, const RECT& rect);
    ~CIngredientPanel() override;

    // The factory the recipe edit form hands to its related-items panel.
    static std::unique_ptr<CEditPanelSlot> Make(CWnd* pForm, const RECT& rect);

    CWnd& GetWindow() override { return *this; }
    // pOwner must be the recipe field window; any other window leaves the panel without one.
    void SetOwner(CWnd* pOwner) override;

    // The line shown, not owned; null for none.
    void SetLine(CIngData* pLine);
    CIngData* GetLine() const { return m_pLine; }

protected:
    DECLARE_MESSAGE_MAP()
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    int OnCreate(tagCREATESTRUCTA* lpCreateStruct);
    BOOL OnEraseBkgnd(CDC* pDC);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnOptional();
    void OnPreparationBefore();
    void OnUseRecipe();
    void OnDeleteLine();
    void OnInsertLine();
    void OnNewIngredient();
    void OnFindIngredient();

private:
    // The flag follows its box; a key passed on by the line editor toggles the box first.
    void FollowBox(int nBox, LONG& flag);
    void ShowFlags();
    // The ingredient's catalogue weights, plural, seasoning and store section into the line.
    void RefreshFromCatalogue();
    void NotifyOwner();
    CString EditorIngredientText() const;

    CBrush m_background;
    CFont m_font;
    CIngredientPanelOwner* m_pOwner = nullptr;
    CIngData* m_pLine = nullptr;
    CButton m_controls[kControlCount];
    // The command being handled came from a key, not from a click on its box.
    BOOL m_bKeyCommand = FALSE;
};
