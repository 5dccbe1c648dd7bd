#pragma once

#include <windef.h>

#include "framework/ComboBox.h"
#include "framework/Dialog.h"
#include "framework/Edit.h"
#include "framework/Font.h"
#include "framework/String.h"
#include "shell/controls/CookbookIngredientSearch.h"
#include "shell/controls/TypeAheadCombo.h"

class CCookbookDatabase;
class CIngData;
class CIngRec;
class CListBox;
class CRcpScrollWnd;

// Edits one ingredient line of the recipe in place, over the field window's list: quantity,
// unit, ingredient (or a recipe used as one) and preparation. A line is committed before the
// editor leaves it. The unit and the ingredient are both checked before anything is written,
// so a failing check leaves the line as it was and the editor on it, with the typing kept.
class CIngredientLineDlg : public CDialog
{
public:
    // Made modeless as a child of the field window, under the field window's current line.
    CIngredientLineDlg(CRcpScrollWnd* pFieldWnd, CListBox* pList);
    ~CIngredientLineDlg() override;

    // The line becomes the edited one (not owned); its kind chooses the name control.
    void LoadLine(CIngData* pLine, int nIndex);
    // The line's ingredient again, after the ingredient panel changed it; other typing is kept.
    void ReloadIngredient();
    // Under list line nIndex; the field window scrolls when there is no room below it.
    void MoveToLine(int nIndex);
    // Quantity, unit check, ingredient check, then the line's text in the list. FALSE: a check
    // failed and said so; the line is as it was and the focus is in the failing control.
    BOOL Commit();

    CIngData* GetLine() const { return m_pLine; }
    int GetLineIndex() const { return m_nLine; }
    // The name as typed: the ingredient panel's New Ingredient and Find Ingredient start from it.
    CString GetIngredientText() const;
    // The focus back into the control that had it last.
    void RestoreFocus();

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(tagMSG* pMsg) override;
    // Enter moves to the next line; Esc closes through the field window.
    void OnOK() override;
    void OnCancel() override;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void FillUnits();
    CWnd& NameControl();
    void FocusControl(CWnd& control);
    // A text that is not a quantity, or one too large to hold, says so and counts as none.
    void ReadQuantity(CIngData& line);
    BOOL CheckUnit(CIngData& line);
    BOOL CheckIngredient(CIngData& line);
    BOOL TakeRecipe(CCookbookDatabase& database, const CString& text, CIngData& line);
    BOOL AddIngredient(CCookbookDatabase& database, CIngRec& ingredient);
    void RequestClose();
    void OnControlNotify(UINT nId, UINT nCode);
    void CheckTyping(UINT nId);
    void CompleteUnit();
    void MoveFocus(BOOL bPrevious);
    void MoveLine(int nStep);
    void ForwardToPanel(WPARAM wParam);

    CRcpScrollWnd* m_pFieldWnd;
    CListBox* m_pList;
    CIngData* m_pLine = nullptr;
    int m_nLine = -1;
    CEdit m_quantity;
    CComboBox m_unit;
    CTypeAheadCombo m_ingredient;
    CEdit m_preparation;
    CEdit m_recipeName;
    CCookbookIngredientSearch m_search;
    CFont m_labelFont;
    HACCEL m_hAccelerators = nullptr;
    CString m_lastUnitText;
    CString m_previousIngredientText;
    UINT m_nLastFocus = 0;
    BOOL m_changed = FALSE;
    // Text put into the controls by the editor itself is not the user's typing.
    BOOL m_loading = FALSE;
};
