#include "forms/AttachRefDlg.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <windows.h>

#include <commctrl.h>

#include "CookbookDialogTest.h"
#include "database/MenuData.h"
#include "database/RecipeData.h"
#include "database/RefItemArray.h"
#include "database/RefListItem.h"
#include "forms/PictureWnd.h"
#include "framework/FileDialog.h"
#include "listctl/ListProtocol.h"
#include "shell/ShellTestFolder.h"
#include "support/BitmapBytes.h"
#include "support/QueryColumn.h"

namespace {

using formtest::ItemText;
using Rows = std::vector<std::string>;

class AttachRefDlgTest : public formtest::CookbookDialogTest
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
        herbs = AddReference("Herbs", "Fresh is best.", 'T');
        knives = AddReference("Knives", "Keep them sharp.", 'T');
        photoPath = m_folder + "\\cake.bmp";
        shelltest::WriteFile(photoPath, testbitmap::TwoPixelBitmap(24, RGB(200, 60, 40), RGB(40, 70, 180)));
        cake = AddReference("Cake", photoPath.c_str(), 'P');
        AddReference("Wash hands", "Before you start.", 'K');
        picnic = AddMealPlan("Picnic");
        recipe.m_title = "Tomato Soup";
        recipe.m_links.Add(new RefListItem("Herbs", "Fresh is best.", herbs.GetNumber(), 'T'));
        stored = StoredReferences();
    }

    CRecordId AddReference(const char* name, const char* content, char type)
    {
        RefListItem reference(name, content, 0, type);
        EXPECT_TRUE(m_database.SaveReference(reference)) << name;
        return reference.m_id;
    }

    INT_PTR Run(int nTab, std::function<void(CDialog&)> action, BOOL bMealPlan = FALSE)
    {
        ShowTabNextTime(nTab, bMealPlan);
        CDialogDriver::OnOpen(IDD_ATTACH_REFERENCES, std::move(action));
        return Open(bMealPlan);
    }

    INT_PTR Open(BOOL bMealPlan)
    {
        CAttachRefDlg dialog(nullptr, bMealPlan);
        dialog.SetRecipe(&recipe);
        dialog.SetMealPlan(&mealPlan);
        return dialog.DoModal();
    }

    // The dialog remembers its tab: a first opening is switched to it as a click would.
    void ShowTabNextTime(int nTab, BOOL bMealPlan)
    {
        CDialogDriver::OnOpen(IDD_ATTACH_REFERENCES, [nTab](CDialog& dialog) {
            if (TabCtrl_GetCurSel(dialog.GetDlgItem(IDC_REF_TABS)->m_hWnd) != nTab)
                formtest::ClickTab(dialog, IDC_REF_TABS, nTab);
            CDialogDriver::Press(dialog, IDCANCEL);
        });
        Open(bMealPlan);
    }

    static void Select(CDialog& dialog, int nList, int nRow)
    {
        if (nList == IDC_ATTACH_RECIPES)
            dialog.SendDlgItemMessage(nList, LCM_SELECT, LCN_GETAT, nRow);
        else
            dialog.SendDlgItemMessage(nList, LB_SETCURSEL, static_cast<WPARAM>(nRow));
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(nList, LBN_SELCHANGE),
                           reinterpret_cast<LPARAM>(dialog.GetDlgItem(nList)->m_hWnd));
    }

    static Rows ListRows(const CDialog& dialog, int nList)
    {
        Rows rows;
        const LRESULT count = dialog.SendDlgItemMessage(nList, LB_GETCOUNT);
        for (LRESULT row = 0; row < count; ++row)
        {
            char text[80] = "";
            dialog.SendDlgItemMessage(nList, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text));
            rows.push_back(text);
        }
        return rows;
    }

    static BOOL IsShown(const CDialog& dialog, int nId)
    {
        return (dialog.GetDlgItem(nId)->GetStyle() & WS_VISIBLE) != 0;
    }

    static void Type(CDialog& dialog, int nId, const char* text)
    {
        dialog.SendDlgItemMessage(nId, EM_SETSEL, 0, -1);
        dialog.SendDlgItemMessage(nId, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
    }

    // "type name|content" of each reference of the array, in order.
    static Rows Described(const CRefItemArray& references)
    {
        Rows rows;
        for (int i = 0; i < references.GetSize(); ++i)
        {
            const RefListItem& reference = *references.GetRefAt(i);
            rows.push_back(std::string(1, reference.m_type) + " " + static_cast<LPCSTR>(reference.m_name) + "|" +
                           static_cast<LPCSTR>(reference.m_content));
        }
        return rows;
    }

    Rows StoredReferences()
    {
        return fixture::QueryColumn(
            m_database, "SELECT REFTYPE || ' ' || NAME || '|' || CONTENT FROM REFERENC ORDER BY REFID", m_boxes);
    }

    Rows With(Rows rows, const std::string& added) const
    {
        rows.push_back(added);
        return rows;
    }

    CRecipeData recipe;
    CMenuData mealPlan;
    CRecordId herbs;
    CRecordId knives;
    CRecordId cake;
    CRecordId picnic;
    std::string photoPath;
    Rows stored;
};

TEST_F(AttachRefDlgTest, AttachesATopicOnceAndChangesTheRecipeOnlyOnClose)
{
    const INT_PTR nEnd = Run(CAttachRefDlg::kInfoTab, [&](CDialog& dialog) {
        CString caption;
        dialog.GetWindowText(caption);
        EXPECT_STREQ("Attach References:  Tomato Soup", caption);
        EXPECT_EQ(2024u, GetHelpContext());
        EXPECT_EQ(Rows({"Herbs", "Knives"}), ListRows(dialog, IDC_REF_TOPICS));
        EXPECT_FALSE(formtest::IsItemEnabled(dialog, IDC_ATTACH));
        Select(dialog, IDC_REF_TOPICS, 0);
        EXPECT_STREQ("Fresh is best.", ItemText(dialog, IDC_REF_CONTENT));
        CDialogDriver::Press(dialog, IDC_ATTACH);
        Select(dialog, IDC_REF_TOPICS, 1);
        CDialogDriver::Press(dialog, IDC_ATTACH);
        EXPECT_EQ(1, recipe.m_links.GetSize());
        formtest::Click(dialog, IDC_ATTACH_ATTACHED_TOPICS);
        EXPECT_EQ(Rows({"Herbs", "Knives"}), ListRows(dialog, IDC_REF_TOPICS));
        CDialogDriver::Press(dialog, IDC_ATTACH_CLOSE);
    });
    EXPECT_EQ(IDC_ATTACH_CLOSE, nEnd);
    EXPECT_STREQ("Selected item already attached.\n", m_boxes.GetAllTexts());
    EXPECT_EQ(Rows({"T Herbs|Fresh is best.", "T Knives|Keep them sharp."}), Described(recipe.m_links));
    EXPECT_EQ(stored, StoredReferences());
}

TEST_F(AttachRefDlgTest, APhotoTwiceGivesTwoCopiesAndDetachTakesOneAway)
{
    Run(CAttachRefDlg::kPhotoTab, [&](CDialog& dialog) {
        EXPECT_EQ(2025u, GetHelpContext());
        Select(dialog, IDC_REF_PHOTOS, 0);
        CDialogDriver::Press(dialog, IDC_ATTACH);
        CDialogDriver::Press(dialog, IDC_ATTACH);
        formtest::Click(dialog, IDC_ATTACH_ATTACHED_PHOTOS);
        EXPECT_EQ(Rows({"Cake", "Cake"}), ListRows(dialog, IDC_REF_PHOTOS));
        Select(dialog, IDC_REF_PHOTOS, 1);
        EXPECT_TRUE(formtest::IsItemEnabled(dialog, IDC_DETACH));
        CDialogDriver::Press(dialog, IDC_DETACH);
        EXPECT_EQ(Rows({"Cake"}), ListRows(dialog, IDC_REF_PHOTOS));
        CDialogDriver::Press(dialog, IDC_ATTACH_CLOSE);
    });
    EXPECT_TRUE(m_boxes.GetShown().empty());
    EXPECT_EQ(Rows({"T Herbs|Fresh is best.", "P Cake|" + photoPath}), Described(recipe.m_links));
    EXPECT_EQ(stored, StoredReferences());
}

TEST_F(AttachRefDlgTest, RelatedRecipesMealPlansAndHintsAreNamedInTheCookbookOnlyOnClose)
{
    Run(CAttachRefDlg::kRelatedTab, [&](CDialog& dialog) {
        EXPECT_EQ(2026u, GetHelpContext());
        EXPECT_TRUE(IsShown(dialog, IDC_ATTACH_RECIPES));
        EXPECT_FALSE(IsShown(dialog, IDC_RELATED_HINTS));
        EXPECT_STREQ("Atta&ched Recipes:", ItemText(dialog, IDC_ATTACHED_LABEL));
        Select(dialog, IDC_ATTACH_RECIPES, 0);
        CDialogDriver::Press(dialog, IDC_ATTACH);
        formtest::Click(dialog, IDC_RELATED_MEAL_PLANS);
        EXPECT_FALSE(IsShown(dialog, IDC_ATTACH_RECIPES));
        EXPECT_EQ(Rows({"Picnic"}), ListRows(dialog, IDC_REF_PHOTOS));
        Select(dialog, IDC_REF_PHOTOS, 0);
        CDialogDriver::Press(dialog, IDC_ATTACH);
        EXPECT_EQ(Rows({"Picnic"}), ListRows(dialog, IDC_ATTACHED_ITEMS));
        // The hints choice is kept hidden; its check comes as a click on it would.
        dialog.CheckRadioButton(IDC_RELATED_RECIPES, IDC_RELATED_HINTS, IDC_RELATED_HINTS);
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_RELATED_HINTS, BN_CLICKED),
                           reinterpret_cast<LPARAM>(dialog.GetDlgItem(IDC_RELATED_HINTS)->m_hWnd));
        EXPECT_STREQ("A&ll Hints:", ItemText(dialog, IDC_REF_PHOTOS_LABEL));
        EXPECT_EQ(Rows({"Wash hands"}), ListRows(dialog, IDC_REF_PHOTOS));
        Select(dialog, IDC_REF_PHOTOS, 0);
        CDialogDriver::Press(dialog, IDC_ATTACH);
        EXPECT_EQ(stored, StoredReferences());
        formtest::Click(dialog, IDC_RELATED_RECIPES);
        CDialogDriver::Press(dialog, IDC_ATTACH_CLOSE);
    });
    EXPECT_EQ(
        Rows({"T Herbs|Fresh is best.", "R Leek Soup|Leek Soup", "M Picnic|Picnic", "K Wash hands|Before you start."}),
        Described(recipe.m_links));
    EXPECT_EQ(11, recipe.m_links.GetRefAt(1)->m_number);
    EXPECT_EQ(picnic.GetNumber(), recipe.m_links.GetRefAt(2)->m_number);
    EXPECT_EQ(With(With(stored, "R Leek Soup|Leek Soup"), "M Picnic|Picnic"), StoredReferences());
    EXPECT_NE(CRecordId(), recipe.m_links.GetRefAt(1)->m_id);
}

TEST_F(AttachRefDlgTest, ARelatedRecordAlreadyNamedReusesItsRow)
{
    const CRecordId leek = AddReference("Leek Soup", "Leek Soup", 'R');
    stored = StoredReferences();
    Run(CAttachRefDlg::kRelatedTab, [&](CDialog& dialog) {
        Select(dialog, IDC_ATTACH_RECIPES, 0);
        CDialogDriver::Press(dialog, IDC_ATTACH);
        CDialogDriver::Press(dialog, IDC_ATTACH_CLOSE);
    });
    ASSERT_EQ(2, recipe.m_links.GetSize());
    EXPECT_EQ(leek, recipe.m_links.GetRefAt(1)->m_id);
    EXPECT_EQ(stored, StoredReferences());
}

TEST_F(AttachRefDlgTest, CancelLeavesTheRecordAndTheCookbookAsTheyWere)
{
    const RefListItem* pBefore = recipe.m_links.GetRefAt(0);
    Run(CAttachRefDlg::kRelatedTab, [&](CDialog& dialog) {
        Select(dialog, IDC_ATTACH_RECIPES, 0);
        CDialogDriver::Press(dialog, IDC_ATTACH);
        Select(dialog, IDC_ATTACHED_ITEMS, 0);
        CDialogDriver::Press(dialog, IDC_ATTACH);
        CDialogDriver::Press(dialog, IDCANCEL);
    });
    EXPECT_EQ(pBefore, recipe.m_links.GetRefAt(0));
    EXPECT_EQ(1, recipe.m_links.GetSize());
    EXPECT_EQ(stored, StoredReferences());

    Run(CAttachRefDlg::kInfoTab, [&](CDialog& dialog) { CDialogDriver::Press(dialog, IDC_ATTACH_CLOSE); });
    EXPECT_EQ(pBefore, recipe.m_links.GetRefAt(0));
    EXPECT_EQ(stored, StoredReferences());
}

TEST_F(AttachRefDlgTest, ATypedTopicIsCheckedSavedToTheLibraryAndAttached)
{
    struct Case
    {
        const char* name;
        const char* content;
        const char* refusal;
    };
    const Case refused[] = {
        {"", "Text", "Unable to save reference without a name."},
        {"Salt", "", "Unable to save reference without content."},
    };
    Run(CAttachRefDlg::kInfoTab, [&](CDialog& dialog) {
        for (const Case& c : refused)
        {
            SCOPED_TRACE(c.refusal);
            CDialogDriver::Press(dialog, IDC_REF_ADD);
            m_boxes.ClearShown();
            EXPECT_EQ(dialog.GetDlgItem(IDC_REF_NAME)->m_hWnd, ::GetFocus());
            Type(dialog, IDC_REF_NAME, c.name);
            Type(dialog, IDC_REF_CONTENT, c.content);
            CDialogDriver::Press(dialog, IDC_ATTACH);
            EXPECT_STREQ((std::string(c.refusal) + "\n").c_str(), m_boxes.GetAllTexts());
            m_boxes.QueueAnswer(IDNO);
        }
        CDialogDriver::Press(dialog, IDC_REF_ADD);
        Type(dialog, IDC_REF_NAME, "Salt");
        Type(dialog, IDC_REF_CONTENT, "Season as you go.");
        CDialogDriver::Press(dialog, IDC_ATTACH);
        EXPECT_STREQ("Salt", ItemText(dialog, IDC_REF_NAME));
        EXPECT_EQ(Rows({"Herbs", "Knives", "Salt"}), ListRows(dialog, IDC_REF_TOPICS));
        CDialogDriver::Press(dialog, IDC_ATTACH_CLOSE);
    });
    EXPECT_EQ(Rows({"T Herbs|Fresh is best.", "T Salt|Season as you go."}), Described(recipe.m_links));
    EXPECT_EQ(With(stored, "T Salt|Season as you go."), StoredReferences());
}

TEST_F(AttachRefDlgTest, ATypedTopicTheCookbookRefusesIsReported)
{
    Refuse("INSERT", "REFERENC");
    Run(CAttachRefDlg::kInfoTab, [&](CDialog& dialog) {
        CDialogDriver::Press(dialog, IDC_REF_ADD);
        Type(dialog, IDC_REF_NAME, "Herbs");
        Type(dialog, IDC_REF_CONTENT, "Again.");
        CDialogDriver::Press(dialog, IDC_ATTACH);
        m_boxes.QueueAnswer(IDNO);
        CDialogDriver::Press(dialog, IDC_ATTACH_CLOSE);
    });
    // The database layer reports the refused write first.
    EXPECT_NE(std::string::npos,
              std::string(m_boxes.GetAllTexts())
                  .find("A reference by that name already exists.  Rename the reference and try again.\n"));
    EXPECT_EQ(1, recipe.m_links.GetSize());
    EXPECT_EQ(stored, StoredReferences());
}

TEST_F(AttachRefDlgTest, ATypedEntryLeftOnATabChangeIsOfferedForAttaching)
{
    Run(
        CAttachRefDlg::kInfoTab,
        [&](CDialog& dialog) {
            CDialogDriver::Press(dialog, IDC_REF_ADD);
            Type(dialog, IDC_REF_NAME, "Salt");
            Type(dialog, IDC_REF_CONTENT, "Season as you go.");
            formtest::ClickTab(dialog, IDC_REF_TABS, CAttachRefDlg::kPhotoTab);
            EXPECT_STREQ("New item will be lost if left unattached.  Attach now?\n", m_boxes.GetAllTexts());
            CDialogDriver::Press(dialog, IDC_ATTACH_CLOSE);
        },
        TRUE);
    EXPECT_EQ(Rows({"T Salt|Season as you go."}), Described(mealPlan.m_references));
    EXPECT_EQ(0, recipe.m_links.GetSize() - 1);
    EXPECT_EQ(With(stored, "T Salt|Season as you go."), StoredReferences());
}

TEST_F(AttachRefDlgTest, AddPhotoChoosesAFileAndAMissingOneIsReported)
{
    struct Case
    {
        std::string chosen;
        const char* message;
    };
    const Case cases[] = {{photoPath, ""}, {m_folder + "\\gone.bmp", "File not found:  "}};
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.chosen);
        m_boxes.ClearShown();
        CDialogDriver::OnOpen(CFileDialog::kTemplateId, [&](CDialog& files) {
            lstrcpyA(static_cast<CFileDialog&>(files).m_ofn.lpstrFile, c.chosen.c_str());
            files.EndDialog(IDOK);
        });
        Run(
            CAttachRefDlg::kPhotoTab,
            [&](CDialog& dialog) {
                CDialogDriver::Press(dialog, IDC_REF_ADD);
                Type(dialog, IDC_REF_NAME, "Layer Cake");
                CDialogDriver::Press(dialog, IDC_ATTACH);
                CDialogDriver::Press(dialog, IDC_ATTACH_CLOSE);
            },
            TRUE);
        if (*c.message)
        {
            ASSERT_FALSE(m_boxes.GetShown().empty());
            EXPECT_EQ(c.message + c.chosen, std::string(m_boxes.GetShown().front().text));
        }
    }
    EXPECT_EQ(Rows({"P Layer Cake|" + photoPath}), Described(mealPlan.m_references));
    EXPECT_EQ(With(stored, "P Layer Cake|" + photoPath), StoredReferences());
}

}  // namespace
