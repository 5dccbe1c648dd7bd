#pragma once

#include <windef.h>

#include <memory>

#include "database/RefItemArray.h"
#include "forms/EditPanelSlot.h"
#include "forms/RelatedLinkArray.h"
#include "forms/TextPageView.h"
#include "framework/Menu.h"
#include "framework/String.h"
#include "framework/StringArray.h"

class CIngData;
class CNutritionChart;
class CPictureWnd;
class CRatingMenu;
class CRecordId;
class CWnd;
class MenuListItem;
class NUTRITION;

// What belongs to the recipe or meal plan a form shows: its nutrition facts or chart, its photos,
// its information texts, in one place of the form (that of the hidden control 137), one at a
// time; its related links; and the right-click menu of the recipe and meal-plan forms. Not a
// window: each form holds one. Which page shows is one choice for the whole program, so that it
// survives moving from form to form.
class CRelatedItemsPanel
{
public:
    enum PanelKind : long
    {
        kRecipePanel = 1,
        kMealPlanPanel = 2,
    };
    enum DisplayMode : long
    {
        kNutrition = 1,
        kPhoto = 2,
        kInformation = 3,
        kIngredientPanel = 6,
        kMealPlanItemPanel = 7,
    };
    // Bits of LoadRecord's flag word: the pages that have something to show.
    enum : long
    {
        kHasRecord = 1,
        kHasPhotos = 2,
        kHasInformation = 4,
    };

    CRelatedItemsPanel();
    ~CRelatedItemsPanel();
    CRelatedItemsPanel(const CRelatedItemsPanel&) = delete;
    CRelatedItemsPanel& operator=(const CRelatedItemsPanel&) = delete;

    // The text pages are made by this factory, the text pane unless a test gives its own.
    static void SetTextPageViewFactory(TextPageViewFactory factory);
    // The first panel made starts the program-wide choice: nutrition on a 16-colour screen, else
    // photos. After this the next panel made starts it again.
    static void ForgetDisplayChoice();
    static long GetDisplayMode();
    static BOOL IsChartShown();

    // view: the form manager's form kind. makeEditPanel makes the edit forms' panel (kinds 16
    // and 17) in the panel's place.
    void Create(CWnd* pForm, long view, const EditPanelFactory& makeEditPanel = nullptr);
    void SetColors(COLORREF first, COLORREF second);
    // pReferences: the edit forms' own references, else they are read for the record. flags
    // (set to 0 by the caller) gains the kHas... bits.
    void LoadRecord(CWnd* pForm, const CRecordId& recordId, const CRefItemArray* pReferences, long& flags,
                    BOOL& hasLinks);
    void ShowCurrent(CWnd* pForm, const CRecordId& recordId);

    void ShowRecipeNutrition(CWnd* pForm, const CRecordId& recipeId);
    void ShowMealPlanNutrition(CWnd* pForm, const MenuListItem* pMealPlan);
    void ShowRecipeNutritionChart(CWnd* pForm, const CRecordId& recipeId);
    void ShowMealPlanNutritionChart(CWnd* pForm, const MenuListItem* pMealPlan);
    void ShowBlankNutritionLabel(CWnd* pForm);
    void ShowPhoto(CWnd* pForm, int index);
    void ShowInformation(CWnd* pForm, int index);

    void OnInformationButton(CWnd* pForm, CWnd* pButton);
    void OnPhotoButton(CWnd* pForm, CWnd* pButton);
    void OnNutritionButton(CWnd* pForm);
    // context 3 (a recipe list) offers the ratings, others the servings.
    void ShowItemMenu(CWnd* pForm, int x, int y, long context);
    // The right-click menu; rating is the submenu it may hold, which must outlive it.
    void BuildItemMenu(CMenu& menu, CRatingMenu& rating, long context) const;

    void ShowIngredientPanel(CWnd* pOwner);
    void HideIngredientPanel(CWnd* pForm, const CRecordId& recordId);
    // The ingredient line the ingredient panel shows; null for none.
    void SetIngredientLine(CIngData* pLine);
    void ShowMealPlanItemPanel(CWnd* pOwner);
    void HideMealPlanItemPanel(CWnd* pForm, const CRecordId& recordId);
    CEditPanelSlot* GetEditPanel() const { return m_pEditPanel.get(); }

    const RelatedLinkArray& GetLinks() const { return m_links; }
    RelatedLink* GetLinkAt(int index) const { return m_links.GetLinkAt(index); }
    const CMenu& GetInformationMenu() const { return m_informationMenu; }
    const CMenu& GetPhotoMenu() const { return m_photoMenu; }
    long GetKind() const { return m_kind; }
    CPictureWnd* GetPictureWnd() const { return m_pPicture.get(); }
    CTextPageView* GetTextPageView() const { return m_pTextView.get(); }
    CNutritionChart* GetChart() const { return m_pChart.get(); }

private:
    int LoadReferences(const CRecordId& recordId, const CRefItemArray* pReferences);
    void Reset();
    void BuildLinks();
    void AddLink(const RefListItem& reference);
    void AddPhoto(const RefListItem& reference);
    void AddInformation(const RefListItem& reference);
    void HideCurrent();
    void ShowPicture();
    // A new text page in the panel's place, or null without a factory.
    CTextPageView* MakeTextPage(CWnd* pForm);
    void WriteText(const char* pszText);
    void ShowNutritionText(CWnd* pForm, const CRecordId& recordId);
    void ShowChart(CWnd* pForm, const NUTRITION& nutrition);
    void ShowEditPanel(long mode, CWnd* pOwner);
    void HideEditPanel(CWnd* pForm, const CRecordId& recordId);
    void TrackPageMenu(CMenu& menu, int count, UINT firstCommand, CWnd* pForm, CWnd* pButton);

    long m_kind = kRecipePanel;
    CRefItemArray m_references;
    CString m_pictureFile;
    CMenu m_informationMenu;
    int m_informationCount = 0;
    CStringArray m_informationTexts;
    RelatedLinkArray m_links;
    BOOL m_hasLinks = FALSE;
    CMenu m_photoMenu;
    int m_photoCount = 0;
    RelatedLinkArray m_photoLinks;
    RECT m_rect{};
    std::unique_ptr<CPictureWnd> m_pPicture;
    std::unique_ptr<CTextPageView> m_pTextView;
    std::unique_ptr<CNutritionChart> m_pChart;
    COLORREF m_colours[2]{0xFFFFFF, 0};
    std::unique_ptr<CEditPanelSlot> m_pEditPanel;
};
