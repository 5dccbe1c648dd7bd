#pragma once

#include "forms/ListFormScheme.h"
#include "framework/BitmapButton.h"
#include "framework/ComboBox.h"
#include "framework/Font.h"
#include "printing/ScreenLineList.h"
#include "shell/controls/DragPartner.h"
#include "shell/controls/DropButton.h"
#include "shell/controls/PrintFontListBox.h"
#include "shell/formbase/BVFormView.h"

class CDC;
class CShoppingListItem;

// The current shopping list laid out as text, one row per written line, with the list's name,
// layout and output options, and the dialogs for its items, the pantry and frequent lists and
// the stores. The shopping manager holds the list; the form only shows and edits it.
class CShopForm : public CBVFormView, public CDragPartner
{
    DECLARE_DYNCREATE(CShopForm)
public:
    // Layouts of the layout combo, in its order; every store entry after them is kStoreLayout.
    enum : LONG
    {
        kAllSectionsLayout = 0,
        kIngredientLayout = 1,
        kRecipeLayout = 2,
        kStoreLayout = 3,
    };
    // The paragraph styles the list is written in; a row's style says what it shows.
    enum : LONG
    {
        kRecipeRow = 28,
        kDetailRow = 30,
        kSummaryRow = 31,
    };

    CShopForm();
    ~CShopForm() override;
    void OnInitialUpdate() override;
    int QuerySaveChanges() override;
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;
    void UpdateDisplay() override;
    CObject* GetSelectedItem(int bAllowSummary) const override;
    BOOL CanDragSelection() override;

    // The list written into the lines, one row of the list box per line; the scroll position stays.
    static void ShowList(CPrintFontListBox& list, CScreenLineList& lines, LONG layoutMode, LONG store);

    // Kept for the whole program run, not per opening.
    static LONG s_layoutMode;
    static LONG s_store;

protected:
    DECLARE_MESSAGE_MAP()
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnDestroy();
    void OnBack();
    void OnClear();
    void OnRecipeNames();
    void OnDetail();
    void OnUnassigned();
    void OnRemovePantry();
    void OnAddFrequent();
    void OnLayoutChosen();
    void OnNameTyped();
    void OnNameChosen();
    void OnRowChosen();
    void OnRowDoubleClicked();
    void OnEdit();
    void OnDelete();
    void OnFrequentList();
    void OnPantryList();
    void OnStoreSections();
    void OnAddToFrequent();
    void OnAddToPantry();
    void OnPrint();
    void OnHelp();
    void OnSave();

private:
    void AttachControls();
    void ShowOptions();
    void FillLayouts();
    void ApplyLayout();
    void Refresh();
    LONG SelectedRowStyle() const;
    const CScreenLine* SelectedLine() const;
    void EnableRowButtons();
    // A stored option of the list was switched: the list file keeps it.
    void StoreOptionChange();
    void AddSelectedToItemList(BOOL bFrequent);
    // The changes the user declined are dropped: the list is read from its file again.
    void RevertList();

    CListFormScheme m_scheme;
    CFont m_labelFont;
    CScreenLineList m_lines;
    CPrintFontListBox m_list;
    CComboBox m_names;
    CComboBox m_layouts;
    CBitmapButton m_buttons[8];
    CDropButton m_toFrequent;
    CDropButton m_toPantry;
    CString m_editedName;
    CString m_lastTyped;
    BOOL m_bListDeclined = FALSE;
    // A selection of the same style as the last one changes no button.
    static LONG s_lastRowStyle;
};
