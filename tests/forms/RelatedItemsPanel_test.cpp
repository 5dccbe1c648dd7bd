#include "forms/RelatedItemsPanel.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include <windows.h>

#include "CookbookDialogTest.h"
#include "TestForm.h"
#include "database/MenuListItem.h"
#include "database/RefListItem.h"
#include "forms/PictureWnd.h"
#include "forms/PopupMenuChoice.h"
#include "forms/RelatedLink.h"
#include "forms/TextPane.h"
#include "framework/PrintInfo.h"
#include "printing/PrinterOutput.h"
#include "shell/controls/DialogControls.h"
#include "shell/controls/RatingMenu.h"
#include "shell/graphics/NutritionChart.h"

namespace {

using Rows = std::vector<std::string>;

// A page view that keeps the lines a driver laid out, for the tests to read.
class StoredPageView : public CTextPageView
{
public:
    StoredPageView() { m_info.m_hDC = ::CreateCompatibleDC(nullptr); }
    ~StoredPageView() override
    {
        delete static_cast<CPrinterOutput*>(m_info.m_lpUserData);
        ::DeleteDC(m_info.m_hDC);
    }

    CPrintInfo* GetPrintInfo() override { return &m_info; }
    void SetColors(COLORREF background, COLORREF text, COLORREF, COLORREF) override
    {
        m_background = background;
        m_text = text;
    }
    void SetFont(int nHeight, UINT) override { m_fontHeight = nHeight; }

    std::string Text() const
    {
        std::string all;
        if (auto* pOutput = static_cast<CPrinterOutput*>(m_info.m_lpUserData))
            for (const CLayoutEngine::StoredLine& line : pOutput->GetEngine().GetStoredLines())
                all += line.Text + "\n";
        return all;
    }

    COLORREF m_background = 0;
    COLORREF m_text = 0;
    int m_fontHeight = 0;

private:
    CPrintInfo m_info;
};

std::unique_ptr<CTextPageView> MakeStoredPage(CWnd*, const RECT&)
{
    return std::make_unique<StoredPageView>();
}

// A form with the panel's placeholder, recording the commands it is sent or posted.
class CommandForm : public CTestForm
{
public:
    CommandForm() { AddPlaceholder(IDC_RELATED_PANEL, RECT{200, 10, 380, 250}); }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND)
            commands.push_back(LOWORD(wParam));
        return CTestForm::WindowProc(message, wParam, lParam);
    }

    std::vector<UINT> Pumped()
    {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
        return commands;
    }

    std::vector<UINT> commands;
};

struct MenuEntry
{
    UINT id;
    std::string text;
    bool operator==(const MenuEntry& other) const { return id == other.id && text == other.text; }
};

std::vector<MenuEntry> Entries(const CMenu& menu)
{
    std::vector<MenuEntry> entries;
    for (int i = 0; i < menu.GetMenuItemCount(); ++i)
    {
        CString text;
        menu.GetMenuString(i, text, MF_BYPOSITION);
        entries.push_back({menu.GetMenuItemID(i), static_cast<const char*>(text)});
    }
    return entries;
}

Rows LinkTexts(const CRelatedItemsPanel& panel)
{
    Rows texts;
    for (int i = 0; panel.GetLinkAt(i) != nullptr; ++i)
        texts.push_back(static_cast<const char*>(panel.GetLinkAt(i)->m_text));
    return texts;
}

class RelatedItemsPanelTest : public formtest::CookbookDialogTest
{
protected:
    void SetUp() override
    {
        CookbookDialogTest::SetUp();
        ASSERT_TRUE(m_database.ExecuteDirect("DELETE FROM REFITEM"));
        ASSERT_TRUE(m_database.ExecuteDirect("DELETE FROM REFERENC"));
        ASSERT_TRUE(m_database.ExecuteDirect("DELETE FROM RECIPE"));
        ASSERT_TRUE(m_database.ExecuteDirect("INSERT INTO RECIPE (COOKBOOK, RECIPE, TITLE, SERVINGS) VALUES "
                                             "('000001', '000011', 'Leek Soup', 2)"));
        ASSERT_TRUE(m_database.ExecuteDirect("INSERT INTO RECIPE (COOKBOOK, RECIPE, TITLE, SERVINGS) VALUES "
                                             "('000001', '000012', 'Plum Tart', 6)"));
        picnic = AddMealPlan("Picnic");
        CRelatedItemsPanel::ForgetDisplayChoice();
        CRelatedItemsPanel::SetTextPageViewFactory(MakeStoredPage);
    }

    void TearDown() override
    {
        SetPopupChooser(nullptr);
        CRelatedItemsPanel::SetTextPageViewFactory(&CTextPane::MakePageView);
        CRelatedItemsPanel::ForgetDisplayChoice();
        CookbookDialogTest::TearDown();
    }

    struct Reference
    {
        const char* name;
        const char* content;
        char type;
    };

    // Saves the references and links them, in order, to the recipe or meal plan.
    void Attach(const CRecordId& id, char linkType, const std::vector<Reference>& references)
    {
        CRefItemArray links;
        for (const Reference& reference : references)
        {
            RefListItem saved(reference.name, reference.content, 0, reference.type);
            ASSERT_TRUE(m_database.SaveReference(saved)) << reference.name;
            links.Add(new RefListItem(reference.name, "", saved.m_id.GetNumber(), reference.type));
        }
        ASSERT_TRUE(m_database.WriteReferenceLinks(id, links, linkType));
    }

    long Load(CRelatedItemsPanel& panel, CWnd& onForm, const CRecordId& id, BOOL* pHasLinks = nullptr)
    {
        long flags = 0;
        BOOL hasLinks = FALSE;
        panel.LoadRecord(&onForm, id, nullptr, flags, hasLinks);
        if (pHasLinks != nullptr)
            *pHasLinks = hasLinks;
        return flags;
    }

    static std::string PageText(const CRelatedItemsPanel& panel)
    {
        const auto* pView = static_cast<const StoredPageView*>(panel.GetTextPageView());
        return pView != nullptr ? pView->Text() : "(no page)";
    }

    const CRecordId leekSoup{11ul};
    const CRecordId plumTart{12ul};
    CRecordId picnic;
    CommandForm form;
};

TEST_F(RelatedItemsPanelTest, EachReferenceTypeGivesItsLinkMenuEntryAndFlagLeavingOutDeadOnes)
{
    struct Case
    {
        Reference reference;
        long flags;
        Rows links;
        std::vector<MenuEntry> information;
        std::vector<MenuEntry> photos;
    };
    const Case cases[] = {
        {{"Herbs", "Fresh is best.", 'T'}, 5, {}, {{300, "Herbs"}}, {}},
        {{"Empty topic", "", 'T'}, 1, {}, {}, {}},
        {{"Cake", "cake.bmp", 'P'}, 3, {}, {}, {{10100, "Photo: Cake"}}},
        {{"Wash hands", "Before you start.", 'K'}, 1, {"Tip: Wash hands"}, {}, {}},
        {{"Soup", "Leek Soup", 'R'}, 1, {"Recipe: Soup"}, {}, {}},
        {{"Gone", "Deleted Soup", 'R'}, 1, {}, {}, {}},
        {{"Outing", "Picnic", 'M'}, 1, {"Meal plan: Outing"}, {}, {}},
        {{"Lost", "No Such Plan", 'M'}, 1, {}, {}, {}},
    };
    CRelatedItemsPanel panel;
    panel.Create(&form, CFormManager::kRecipeView);
    unsigned long recipe = 100;
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.reference.name);
        Attach(CRecordId(++recipe), 'R', {c.reference});
        BOOL hasLinks = TRUE;
        EXPECT_EQ(c.flags, Load(panel, form, CRecordId(recipe), &hasLinks));
        EXPECT_EQ(!c.links.empty(), hasLinks != FALSE);
        EXPECT_EQ(c.links, LinkTexts(panel));
        EXPECT_EQ(c.information, Entries(panel.GetInformationMenu()));
        EXPECT_EQ(c.photos, Entries(panel.GetPhotoMenu()));
    }
}

TEST_F(RelatedItemsPanelTest, AMealPlanPanelReadsTheMealPlansReferencesInOrder)
{
    Attach(picnic, 'M',
           {{"Soup", "Leek Soup", 'R'},
            {"Knives", "Keep them sharp.", 'T'},
            {"Basket", "basket.bmp", 'P'},
            {"Tart", "Plum Tart", 'R'},
            {"Rug", "rug.bmp", 'P'},
            {"Gone", "Deleted Soup", 'R'}});
    CRelatedItemsPanel panel;
    panel.Create(&form, CFormManager::kMealPlanView);
    EXPECT_EQ(CRelatedItemsPanel::kMealPlanPanel, panel.GetKind());
    EXPECT_EQ(7, Load(panel, form, picnic));
    EXPECT_EQ(Rows({"Recipe: Soup", "Recipe: Tart"}), LinkTexts(panel));
    EXPECT_EQ(std::vector<MenuEntry>({{10100, "Photo: Basket"}, {10101, "Photo: Rug"}}), Entries(panel.GetPhotoMenu()));
    EXPECT_EQ("basket.bmp", std::string(panel.GetPictureWnd()->GetPictureFile()));
}

TEST_F(RelatedItemsPanelTest, PageButtonsPostTheOnlyEntryAtOnceAndOfferAMenuForMore)
{
    Attach(leekSoup, 'R', {{"Herbs", "Fresh is best.", 'T'}, {"Cake", "cake.bmp", 'P'}});
    Attach(plumTart, 'R',
           {{"Knives", "Keep them sharp.", 'T'},
            {"Salt", "To taste.", 'T'},
            {"Tart", "tart.bmp", 'P'},
            {"Slice", "slice.bmp", 'P'}});
    CRelatedItemsPanel panel;
    panel.Create(&form, CFormManager::kRecipeView);
    int menusShown = 0;
    SetPopupChooser([&](CMenu& menu) {
        ++menusShown;
        return menu.GetMenuItemID(1);
    });

    Load(panel, form, leekSoup);
    panel.OnPhotoButton(&form, &form);
    panel.OnInformationButton(&form, &form);
    EXPECT_EQ(std::vector<UINT>({10100, 300}), form.Pumped());
    EXPECT_EQ(0, menusShown);

    form.commands.clear();
    Load(panel, form, plumTart);
    panel.OnPhotoButton(&form, &form);
    panel.OnInformationButton(&form, &form);
    EXPECT_EQ(std::vector<UINT>({10101, 301}), form.Pumped());
    EXPECT_EQ(2, menusShown);

    form.commands.clear();
    panel.OnNutritionButton(&form);
    EXPECT_EQ(std::vector<UINT>({502}), form.commands);
}

TEST_F(RelatedItemsPanelTest, TheItemMenuOffersRatingsInARecipeListAndServingsElsewhere)
{
    const std::vector<MenuEntry> adding = {{88, "Add to &Meal Plan..."}, {91, "Add to &Shopping List..."}};
    struct Case
    {
        const char* name;
        long view;
        long context;
        std::vector<MenuEntry> entries;
    };
    const Case cases[] = {
        {"recipe view", CFormManager::kRecipeView, 5, {adding[0], adding[1], {93, "&Number of Servings..."}}},
        {"recipe list", CFormManager::kCategoryRecipes, 3, {adding[0], adding[1], {UINT(-1), "Assign Rating"}}},
        {"meal plan", CFormManager::kMealPlanView, 6, adding},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        CRelatedItemsPanel panel;
        panel.Create(&form, c.view);
        CRatingMenu rating;
        CMenu menu;
        panel.BuildItemMenu(menu, rating, c.context);
        EXPECT_EQ(c.entries, Entries(menu));
        if (c.context == 3)
        {
            EXPECT_EQ(static_cast<HMENU>(rating), menu.GetSubMenu(2)->GetSafeHmenu());
        }
        menu.RemoveMenu(2, MF_BYPOSITION);
    }

    CRelatedItemsPanel panel;
    panel.Create(&form, CFormManager::kCategoryRecipes);
    SetPopupChooser([](CMenu& menu) { return menu.GetSubMenu(2)->GetMenuItemID(1); });
    panel.ShowItemMenu(&form, 10, 10, 3);
    EXPECT_EQ(std::vector<UINT>({564}), form.Pumped());
}

TEST_F(RelatedItemsPanelTest, TheDisplayModeIsSharedByThePanelsOfTwoForms)
{
    Attach(leekSoup, 'R', {{"Herbs", "Fresh is best.", 'T'}, {"Cake", "cake.bmp", 'P'}});
    CommandForm otherForm;
    CRelatedItemsPanel viewPanel;
    CRelatedItemsPanel listPanel;
    viewPanel.Create(&form, CFormManager::kRecipeView);
    listPanel.Create(&otherForm, CFormManager::kCategoryRecipes);
    viewPanel.SetColors(RGB(250, 240, 210), RGB(90, 40, 10));

    Load(viewPanel, form, leekSoup);
    EXPECT_EQ(CRelatedItemsPanel::kPhoto, CRelatedItemsPanel::GetDisplayMode());
    EXPECT_TRUE(viewPanel.GetPictureWnd()->IsWindowVisible());
    viewPanel.ShowInformation(&form, 0);
    EXPECT_FALSE(viewPanel.GetPictureWnd()->IsWindowVisible());
    EXPECT_EQ("Fresh is best.\n", PageText(viewPanel));
    const auto* pView = static_cast<const StoredPageView*>(viewPanel.GetTextPageView());
    EXPECT_EQ(RGB(250, 240, 210), pView->m_background);
    EXPECT_EQ(RGB(90, 40, 10), pView->m_text);
    EXPECT_EQ(16, pView->m_fontHeight);

    Load(listPanel, otherForm, leekSoup);
    EXPECT_EQ("Fresh is best.\n", PageText(listPanel));
    Load(listPanel, otherForm, plumTart);
    EXPECT_EQ("No information is available for the current selection.\n", PageText(listPanel));

    listPanel.ShowPhoto(&otherForm, 0);
    EXPECT_NE(nullptr, listPanel.GetTextPageView()) << "no photo to show: the text stays";
    Load(listPanel, otherForm, leekSoup);
    listPanel.ShowPhoto(&otherForm, 0);
    EXPECT_EQ(nullptr, listPanel.GetTextPageView());
    Load(viewPanel, form, leekSoup);
    EXPECT_EQ(nullptr, viewPanel.GetTextPageView());
    EXPECT_EQ("cake.bmp", std::string(viewPanel.GetPictureWnd()->GetPictureFile()));
}

TEST_F(RelatedItemsPanelTest, TheFirstPanelOnASixteenColourScreenShowsNutrition)
{
    struct Case
    {
        int bits;
        long mode;
    };
    for (const Case& c : {Case{4, CRelatedItemsPanel::kNutrition}, Case{24, CRelatedItemsPanel::kPhoto}})
    {
        SCOPED_TRACE(c.bits);
        ForceScreenColourBits(c.bits);
        CRelatedItemsPanel::ForgetDisplayChoice();
        CRelatedItemsPanel first;
        EXPECT_EQ(c.mode, CRelatedItemsPanel::GetDisplayMode());
        ForceScreenColourBits(4);
        CRelatedItemsPanel second;
        EXPECT_EQ(c.mode, CRelatedItemsPanel::GetDisplayMode()) << "checked once";
    }
    ForceScreenColourBits(0);

    ForceScreenColourBits(4);
    CRelatedItemsPanel::ForgetDisplayChoice();
    CRelatedItemsPanel panel;
    ForceScreenColourBits(0);
    panel.Create(&form, CFormManager::kRecipeView);
    Load(panel, form, leekSoup);
    EXPECT_NE(std::string::npos, PageText(panel).find("Calories")) << PageText(panel);
    EXPECT_FALSE(panel.GetPictureWnd()->IsWindowVisible());
}

TEST_F(RelatedItemsPanelTest, LeavingChartModeDestroysTheChart)
{
    Attach(leekSoup, 'R', {{"Cake", "cake.bmp", 'P'}});
    CRelatedItemsPanel panel;
    panel.Create(&form, CFormManager::kRecipeView);
    Load(panel, form, leekSoup);

    panel.ShowRecipeNutritionChart(&form, leekSoup);
    ASSERT_NE(nullptr, panel.GetChart());
    const HWND chart = panel.GetChart()->m_hWnd;
    EXPECT_TRUE(::IsWindow(chart));
    EXPECT_TRUE(CRelatedItemsPanel::IsChartShown());
    Load(panel, form, plumTart);
    EXPECT_FALSE(::IsWindow(chart)) << "no chart of the previous recipe stays";
    EXPECT_EQ(nullptr, panel.GetTextPageView()) << "chart mode draws no text";

    Load(panel, form, leekSoup);
    panel.ShowRecipeNutritionChart(&form, leekSoup);
    ASSERT_NE(nullptr, panel.GetChart());
    const HWND second = panel.GetChart()->m_hWnd;
    panel.ShowPhoto(&form, 0);
    EXPECT_EQ(nullptr, panel.GetChart());
    EXPECT_FALSE(::IsWindow(second));
    EXPECT_FALSE(CRelatedItemsPanel::IsChartShown());
    EXPECT_TRUE(panel.GetPictureWnd()->IsWindowVisible());
}

TEST_F(RelatedItemsPanelTest, ANewRecordShowsTheNoPhotoPictureOrNoNutrition)
{
    Attach(leekSoup, 'R', {{"Cake", "cake.bmp", 'P'}});
    CRelatedItemsPanel panel;
    panel.Create(&form, CFormManager::kRecipeView);
    Load(panel, form, leekSoup);

    BOOL hasLinks = TRUE;
    EXPECT_EQ(0, Load(panel, form, CRecordId(), &hasLinks));
    EXPECT_FALSE(hasLinks);
    EXPECT_EQ(0, panel.GetPhotoMenu().GetMenuItemCount());
    EXPECT_EQ("!NOFOTO", std::string(panel.GetPictureWnd()->GetPictureFile()));
    EXPECT_TRUE(panel.GetPictureWnd()->IsWindowVisible());

    panel.ShowBlankNutritionLabel(&form);
    EXPECT_FALSE(panel.GetPictureWnd()->IsWindowVisible());
    Load(panel, form, CRecordId());
    EXPECT_EQ("Nutrition information unavailable.\n", PageText(panel));

    CRelatedItemsPanel mealPlanPanel;
    mealPlanPanel.Create(&form, CFormManager::kMealPlanView);
    Load(mealPlanPanel, form, CRecordId());
    EXPECT_EQ("Nutrition information unavailable.\n", PageText(mealPlanPanel));
}

// The edit forms' panels are made by their own forms; a plain window stands in for them here.
class StandInEditPanel : public CEditPanelSlot
{
public:
    StandInEditPanel(CWnd* pForm, const RECT& rect) { m_window.CreateEx(0, "STATIC", "", WS_CHILD, rect, pForm, 0); }
    CWnd& GetWindow() override { return m_window; }
    void SetOwner(CWnd* pOwner) override { m_pOwner = pOwner; }

    CWnd m_window;
    CWnd* m_pOwner = nullptr;
};

TEST_F(RelatedItemsPanelTest, AnEditPanelTakesThePlaceAndAnotherFormRestoresTheSavedMode)
{
    Attach(leekSoup, 'R', {{"Herbs", "Fresh is best.", 'T'}});
    CRelatedItemsPanel editPanel;
    editPanel.Create(&form, CFormManager::kRecipeEdit,
                     [](CWnd* pForm, const RECT& rect) { return std::make_unique<StandInEditPanel>(pForm, rect); });
    Load(editPanel, form, leekSoup);
    editPanel.ShowInformation(&form, 0);

    editPanel.ShowIngredientPanel(&form);
    auto* pSlot = static_cast<StandInEditPanel*>(editPanel.GetEditPanel());
    EXPECT_EQ(CRelatedItemsPanel::kIngredientPanel, CRelatedItemsPanel::GetDisplayMode());
    EXPECT_TRUE(pSlot->m_window.IsWindowVisible());
    EXPECT_EQ(&form, pSlot->m_pOwner);
    EXPECT_EQ(nullptr, editPanel.GetTextPageView());

    CommandForm otherForm;
    CRelatedItemsPanel viewPanel;
    viewPanel.Create(&otherForm, CFormManager::kRecipeView);
    EXPECT_EQ(CRelatedItemsPanel::kInformation, CRelatedItemsPanel::GetDisplayMode());

    editPanel.ShowIngredientPanel(&form);
    editPanel.HideIngredientPanel(&form, leekSoup);
    EXPECT_FALSE(pSlot->m_window.IsWindowVisible());
    EXPECT_EQ("Fresh is best.\n", PageText(editPanel));
}

}  // namespace
