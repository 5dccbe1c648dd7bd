#include "forms/EditRefDlg.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <windows.h>

#include <commctrl.h>

#include "CookbookDialogTest.h"
#include "shell/ShellTestFolder.h"
#include "database/RefItemArray.h"
#include "database/RefListItem.h"
#include "forms/PictureWnd.h"
#include "forms/ReferenceEntry.h"
#include "framework/FileDialog.h"
#include "shell/settings/SettingsFile.h"
#include "support/BitmapBytes.h"
#include "support/QueryColumn.h"

namespace {

using formtest::ItemText;
using Rows = std::vector<std::string>;

class EditRefDlgTest : public formtest::CookbookDialogTest
{
protected:
    void SetUp() override
    {
        CookbookDialogTest::SetUp();
        ASSERT_TRUE(m_database.ExecuteDirect("DELETE FROM REFITEM"));
        ASSERT_TRUE(m_database.ExecuteDirect("DELETE FROM REFERENC"));
        herbs = AddReference("Herbs", "Fresh is best.", 'T');
        knives = AddReference("Knives", "Keep them sharp.", 'T');
        photoPath = PathOf("cake.bmp");
        shelltest::WriteFile(photoPath, testbitmap::TwoPixelBitmap(24, RGB(200, 60, 40), RGB(40, 70, 180)));
        cake = AddReference("Cake", photoPath.c_str(), 'P');
    }

    std::string PathOf(const std::string& name) const { return m_folder + "\\" + name; }

    CRecordId AddReference(const char* name, const char* content, char type)
    {
        RefListItem reference(name, content, 0, type);
        EXPECT_TRUE(m_database.SaveReference(reference)) << name;
        return reference.m_id;
    }

    void Run(int nTab, std::function<void(CDialog&)> action)
    {
        ShowTabNextTime(nTab);
        CDialogDriver::OnOpen(IDD_EDIT_REFERENCES, std::move(action));
        CEditRefDlg dialog;
        dialog.DoModal();
    }

    // The dialog remembers its tab: a first opening on the tab, switched by a person's click.
    void ShowTabNextTime(int nTab)
    {
        CDialogDriver::OnOpen(IDD_EDIT_REFERENCES, [&, nTab](CDialog& dialog) {
            if (TabCtrl_GetCurSel(dialog.GetDlgItem(IDC_REF_TABS)->m_hWnd) != nTab)
                formtest::ClickTab(dialog, IDC_REF_TABS, nTab);
            CDialogDriver::Press(dialog, IDOK);
        });
        CEditRefDlg dialog;
        dialog.DoModal();
    }

    static void Select(CDialog& dialog, int nList, int nRow)
    {
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

    static BOOL IsReadOnly(const CDialog& dialog, int nId)
    {
        return (dialog.GetDlgItem(nId)->GetStyle() & ES_READONLY) != 0;
    }

    static BOOL IsShown(const CDialog& dialog, int nId) { return IsShownWindow(*dialog.GetDlgItem(nId)); }
    static BOOL IsShownWindow(const CWnd& window) { return (window.GetStyle() & WS_VISIBLE) != 0; }

    // Replaces the field's text as typing over it would.
    static void Type(CDialog& dialog, int nId, const char* text)
    {
        dialog.SendDlgItemMessage(nId, EM_SETSEL, 0, -1);
        dialog.SendDlgItemMessage(nId, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
    }

    // The first hidden-at-creation child window of the dialog that is a picture window.
    static CPictureWnd* Picture(const CDialog& dialog)
    {
        for (HWND hChild = ::GetWindow(dialog.m_hWnd, GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT))
            if (auto* pPicture = dynamic_cast<CPictureWnd*>(CWnd::FromHandlePermanent(hChild)))
                return pPicture;
        return nullptr;
    }

    // The file dialog answered with this path.
    static void ChooseFile(const std::string& path)
    {
        CDialogDriver::OnOpen(CFileDialog::kTemplateId, [path](CDialog& dialog) {
            auto& files = static_cast<CFileDialog&>(dialog);
            EXPECT_STREQ("Photos (*.bmp,*.cmp)", files.m_ofn.lpstrFilter);
            EXPECT_EQ(DWORD(OFN_HIDEREADONLY | OFN_NOCHANGEDIR),
                      files.m_ofn.Flags & (OFN_HIDEREADONLY | OFN_NOCHANGEDIR));
            lstrcpyA(files.m_ofn.lpstrFile, path.c_str());
            dialog.EndDialog(IDOK);
        });
    }

    // The references as the cookbook holds them: "type name|content" in key order.
    Rows StoredReferences()
    {
        return fixture::QueryColumn(
            m_database, "SELECT REFTYPE || ' ' || NAME || '|' || CONTENT FROM REFERENC ORDER BY REFID", m_boxes);
    }

    Rows StoredLinks()
    {
        return fixture::QueryColumn(m_database, "SELECT REFID || ' ' || LINKTYPE || LINKID FROM REFITEM ORDER BY REFID",
                                    m_boxes);
    }

    Rows Original() const { return {"T Herbs|Fresh is best.", "T Knives|Keep them sharp.", "P Cake|" + photoPath}; }

    CRecordId herbs;
    CRecordId knives;
    CRecordId cake;
    std::string photoPath;
};

TEST_F(EditRefDlgTest, EachTabListsAllItsReferencesAndShowsTheSelectedOneReadOnly)
{
    Run(CEditRefDlg::kInfoTab, [&](CDialog& dialog) {
        EXPECT_EQ(2038u, GetHelpContext());
        EXPECT_EQ(Rows({"Herbs", "Knives"}), ListRows(dialog, IDC_REF_TOPICS));
        EXPECT_TRUE(IsShown(dialog, IDC_REF_TOPICS));
        EXPECT_FALSE(IsShown(dialog, IDC_REF_PHOTOS));
        EXPECT_FALSE(formtest::IsItemEnabled(dialog, IDC_REF_EDIT));
        Select(dialog, IDC_REF_TOPICS, 1);
        EXPECT_STREQ("Knives", ItemText(dialog, IDC_REF_NAME));
        EXPECT_STREQ("Keep them sharp.", ItemText(dialog, IDC_REF_CONTENT));
        EXPECT_TRUE(IsReadOnly(dialog, IDC_REF_NAME));
        EXPECT_TRUE(IsReadOnly(dialog, IDC_REF_CONTENT));
        EXPECT_TRUE(formtest::IsItemEnabled(dialog, IDC_REF_EDIT));
        EXPECT_TRUE(formtest::IsItemEnabled(dialog, IDC_REF_DELETE));
        EXPECT_FALSE(formtest::IsItemEnabled(dialog, IDC_REF_SAVE));

        formtest::ClickTab(dialog, IDC_REF_TABS, CEditRefDlg::kPhotoTab);
        EXPECT_EQ(2039u, GetHelpContext());
        EXPECT_EQ(Rows({"Cake"}), ListRows(dialog, IDC_REF_PHOTOS));
        EXPECT_STREQ("Photo &Name:", ItemText(dialog, IDC_REF_NAME_LABEL));
        EXPECT_FALSE(IsShown(dialog, IDC_REF_CONTENT));
        EXPECT_FALSE(IsShownWindow(*Picture(dialog)));
        Select(dialog, IDC_REF_PHOTOS, 0);
        EXPECT_STREQ("Cake", ItemText(dialog, IDC_REF_NAME));
        EXPECT_EQ("Filename: " + ShortenPathForDisplay(photoPath.c_str()), ItemText(dialog, IDC_REF_CONTENT_LABEL));
        EXPECT_TRUE(IsShownWindow(*Picture(dialog)));
        EXPECT_EQ(CString(photoPath.c_str()), Picture(dialog)->GetPictureFile());
        CDialogDriver::Press(dialog, IDOK);
    });
    EXPECT_TRUE(m_boxes.GetShown().empty());
    EXPECT_EQ(Original(), StoredReferences());
}

TEST_F(EditRefDlgTest, EditAndSaveChangesTheTopicInPlace)
{
    Run(CEditRefDlg::kInfoTab, [&](CDialog& dialog) {
        Select(dialog, IDC_REF_TOPICS, 0);
        CDialogDriver::Press(dialog, IDC_REF_EDIT);
        EXPECT_FALSE(IsReadOnly(dialog, IDC_REF_NAME));
        EXPECT_EQ(dialog.GetDlgItem(IDC_REF_NAME)->m_hWnd, ::GetFocus());
        dialog.SetDlgItemText(IDC_REF_NAME, "Garden Herbs");
        Type(dialog, IDC_REF_CONTENT, "Pick them in the morning.");
        CDialogDriver::Press(dialog, IDC_REF_SAVE);
        EXPECT_EQ(Rows({"Garden Herbs", "Knives"}), ListRows(dialog, IDC_REF_TOPICS));
        CDialogDriver::Press(dialog, IDOK);
    });
    EXPECT_TRUE(m_boxes.GetShown().empty());
    EXPECT_EQ(Rows({"T Garden Herbs|Pick them in the morning.", "T Knives|Keep them sharp.", "P Cake|" + photoPath}),
              StoredReferences());
}

TEST_F(EditRefDlgTest, SaveRefusesAnIncompleteEntryAndReportsAFailedWrite)
{
    struct Case
    {
        const char* what;
        bool adding;
        const char* name;
        const char* content;
        const char* refusedWrite;
        const char* message;
    };
    const Case cases[] = {
        {"edited without a name", false, "", "Text", nullptr, "Unable to save reference without a name."},
        {"edited without content", false, "Herbs", "", nullptr, "Unable to save reference without content."},
        {"edit refused", false, "Herbs", "Text", "UPDATE", "Unable to save reference item."},
        {"added without a name", true, "", "Text", nullptr, "Unable to save reference without a name."},
        {"added without content", true, "Salt", "", nullptr, "Unable to save reference without content."},
        {"addition refused", true, "Salt", "Text", "INSERT",
         "A reference by that name already exists.  Rename the reference and try again."},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        if (c.refusedWrite)
            Refuse(c.refusedWrite, "REFERENC");
        m_boxes.ClearShown();
        Run(CEditRefDlg::kInfoTab, [&](CDialog& dialog) {
            if (!c.adding)
                Select(dialog, IDC_REF_TOPICS, 0);
            CDialogDriver::Press(dialog, c.adding ? IDC_REF_ADD : IDC_REF_EDIT);
            dialog.SetDlgItemText(IDC_REF_NAME, c.name);
            Type(dialog, IDC_REF_CONTENT, c.content);
            CDialogDriver::Press(dialog, IDC_REF_SAVE);
            EXPECT_STREQ(c.name, ItemText(dialog, IDC_REF_NAME));
            EXPECT_EQ(Rows({"Herbs", "Knives"}), ListRows(dialog, IDC_REF_TOPICS));
            m_boxes.QueueAnswer(IDNO);
            CDialogDriver::Press(dialog, IDC_REF_ADD);
            CDialogDriver::Press(dialog, IDOK);
        });
        // A refused write may first be reported by the database layer itself.
        const auto& shown = m_boxes.GetShown();
        ASSERT_LE(2u, shown.size());
        EXPECT_LE(shown.size(), c.refusedWrite ? 3u : 2u);
        EXPECT_STREQ(c.message, shown[shown.size() - 2].text);
        EXPECT_STREQ("Save before making further changes?", shown.back().text);
        EXPECT_EQ(Original(), StoredReferences());
        if (c.refusedWrite)
        {
            ASSERT_TRUE(m_database.ExecuteDirect(CString("DROP TRIGGER Refuse") + c.refusedWrite + "REFERENC"));
        }
    }
}

TEST_F(EditRefDlgTest, AddSavesANewTopic)
{
    Run(CEditRefDlg::kInfoTab, [&](CDialog& dialog) {
        Select(dialog, IDC_REF_TOPICS, 0);
        CDialogDriver::Press(dialog, IDC_REF_ADD);
        EXPECT_STREQ("", ItemText(dialog, IDC_REF_NAME));
        EXPECT_EQ(LB_ERR, dialog.SendDlgItemMessage(IDC_REF_TOPICS, LB_GETCURSEL));
        EXPECT_FALSE(IsReadOnly(dialog, IDC_REF_CONTENT));
        EXPECT_EQ(dialog.GetDlgItem(IDC_REF_NAME)->m_hWnd, ::GetFocus());
        dialog.SetDlgItemText(IDC_REF_NAME, "Salt");
        Type(dialog, IDC_REF_CONTENT, "Season as you go.");
        CDialogDriver::Press(dialog, IDC_REF_SAVE);
        EXPECT_EQ(Rows({"Herbs", "Knives", "Salt"}), ListRows(dialog, IDC_REF_TOPICS));
        CDialogDriver::Press(dialog, IDOK);
    });
    EXPECT_TRUE(m_boxes.GetShown().empty());
    Rows expected = Original();
    expected.push_back("T Salt|Season as you go.");
    EXPECT_EQ(expected, StoredReferences());
}

TEST_F(EditRefDlgTest, AddPhotoStoresAMediaFileByNameAnyOtherByPath)
{
    const std::string media = PathOf("media");
    ::CreateDirectoryA(media.c_str(), nullptr);
    CSettingsFile().WriteCurrentCookbookSetting(IDS_KEY_MEDIAPATH, media.c_str());
    const std::string inMedia = media + "\\Pie.BMP";
    shelltest::WriteFile(inMedia, testbitmap::TwoPixelBitmap(8, RGB(1, 2, 3), RGB(4, 5, 6)));
    struct Case
    {
        std::string chosen;
        const char* name;
        std::string stored;
    };
    const Case cases[] = {{inMedia, "Pie", "Pie.BMP"}, {photoPath, "Cake again", photoPath}};
    Rows expected = Original();
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.chosen);
        ChooseFile(c.chosen);
        Run(CEditRefDlg::kPhotoTab, [&](CDialog& dialog) {
            CDialogDriver::Press(dialog, IDC_REF_ADD);
            EXPECT_EQ(CString(c.stored.c_str()), Picture(dialog)->GetPictureFile());
            EXPECT_TRUE(IsShownWindow(*Picture(dialog)));
            dialog.SetDlgItemText(IDC_REF_NAME, c.name);
            CDialogDriver::Press(dialog, IDC_REF_SAVE);
            CDialogDriver::Press(dialog, IDOK);
        });
        expected.push_back(std::string("P ") + c.name + "|" + c.stored);
    }
    EXPECT_TRUE(m_boxes.GetShown().empty());
    EXPECT_EQ(expected, StoredReferences());
}

TEST_F(EditRefDlgTest, AddPhotoWithAMissingFileSaysSoAndSavesNothingWithoutAFile)
{
    ChooseFile(PathOf("gone.bmp"));
    Run(CEditRefDlg::kPhotoTab, [&](CDialog& dialog) {
        CDialogDriver::Press(dialog, IDC_REF_ADD);
        dialog.SetDlgItemText(IDC_REF_NAME, "Gone");
        CDialogDriver::Press(dialog, IDC_REF_SAVE);
        CDialogDriver::Press(dialog, IDOK);
    });
    ASSERT_EQ(2u, m_boxes.GetShown().size());
    EXPECT_EQ("File not found:  " + PathOf("gone.bmp"), std::string(m_boxes.GetShown()[0].text));
    EXPECT_STREQ("Path to file containing media object must be specified.", m_boxes.GetShown()[1].text);
    EXPECT_EQ(Original(), StoredReferences());
}

TEST_F(EditRefDlgTest, DeleteAsksAndRemovesTheReferenceWithItsLinks)
{
    CRefItemArray links;
    links.Add(new RefListItem("Herbs", "", herbs.GetNumber(), 'T'));
    links.Add(new RefListItem("Knives", "", knives.GetNumber(), 'T'));
    ASSERT_TRUE(m_database.WriteReferenceLinks(CRecordId(7ul), links, 'R'));
    Run(CEditRefDlg::kInfoTab, [&](CDialog& dialog) {
        Select(dialog, IDC_REF_TOPICS, 0);
        m_boxes.QueueAnswer(IDNO);
        CDialogDriver::Press(dialog, IDC_REF_DELETE);
        EXPECT_EQ(Rows({"Herbs", "Knives"}), ListRows(dialog, IDC_REF_TOPICS));
        CDialogDriver::Press(dialog, IDC_REF_DELETE);
        EXPECT_EQ(Rows({"Knives"}), ListRows(dialog, IDC_REF_TOPICS));
        EXPECT_STREQ("", ItemText(dialog, IDC_REF_NAME));
        CDialogDriver::Press(dialog, IDOK);
    });
    EXPECT_STREQ("Delete reference Herbs?\nDelete reference Herbs?\n", m_boxes.GetAllTexts());
    EXPECT_EQ(Rows({"T Knives|Keep them sharp.", "P Cake|" + photoPath}), StoredReferences());
    EXPECT_EQ(Rows({std::string(knives.GetText()) + " R000007"}), StoredLinks());
}

TEST_F(EditRefDlgTest, ADeleteTheCookbookRefusesIsReported)
{
    Refuse("DELETE", "REFERENC");
    Run(CEditRefDlg::kInfoTab, [&](CDialog& dialog) {
        Select(dialog, IDC_REF_TOPICS, 1);
        CDialogDriver::Press(dialog, IDC_REF_DELETE);
        EXPECT_EQ(Rows({"Herbs", "Knives"}), ListRows(dialog, IDC_REF_TOPICS));
        CDialogDriver::Press(dialog, IDOK);
    });
    EXPECT_STREQ("Delete reference Knives?\nUnable to delete reference item.\n", m_boxes.GetAllTexts());
    EXPECT_EQ(Original(), StoredReferences());
}

TEST_F(EditRefDlgTest, AnUnsavedEditIsOfferedForSavingBeforeTheNextStep)
{
    Run(CEditRefDlg::kInfoTab, [&](CDialog& dialog) {
        Select(dialog, IDC_REF_TOPICS, 0);
        CDialogDriver::Press(dialog, IDC_REF_EDIT);
        Type(dialog, IDC_REF_CONTENT, "Dry them in bunches.");
        m_boxes.QueueAnswer(IDNO);
        Select(dialog, IDC_REF_TOPICS, 1);
        CDialogDriver::Press(dialog, IDC_REF_EDIT);
        Type(dialog, IDC_REF_CONTENT, "Hone them weekly.");
        Select(dialog, IDC_REF_TOPICS, 0);
        CDialogDriver::Press(dialog, IDC_REF_ADD);
        CDialogDriver::Press(dialog, IDC_REF_EDIT);
        CDialogDriver::Press(dialog, IDOK);
    });
    EXPECT_STREQ("Save before making further changes?\nSave before making further changes?\n", m_boxes.GetAllTexts());
    EXPECT_EQ(Rows({"T Herbs|Fresh is best.", "T Knives|Hone them weekly.", "P Cake|" + photoPath}),
              StoredReferences());
}

TEST(ReferenceEntryTest, ALongPathIsShortenedToItsRootAndLastTwoParts)
{
    struct Case
    {
        const char* path;
        const char* shown;
    };
    const Case cases[] = {
        {"cake.bmp", "cake.bmp"},
        {"C:\\media\\cake.bmp", "C:\\media\\cake.bmp"},
        {"C:\\a\\media\\cake.bmp", "C:\\...\\media\\cake.bmp"},
        {"C:\\a\\b\\c\\media\\cake.bmp", "C:\\...\\media\\cake.bmp"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.shown, ShortenPathForDisplay(c.path)) << c.path;
}

}  // namespace
