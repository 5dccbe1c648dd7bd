#include "shell/services/CookbookLocator.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "database/RMDatabase.h"
#include "framework/DialogDriver.h"
#include "res/resource.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/services/NewDatabase.h"
#include "shell/settings/ProgramDirectory.h"
#include "shell/settings/SettingsFile.h"
#include "support/CookbookFixture.h"
#include "support/RecordedNotice.h"

namespace {

class CookbookLocatorTest : public fixture::CookbookTest
{
protected:
    void SetUp() override
    {
        CookbookTest::SetUp();
        CProgramDirectory::SetProgramDirectory(m_folder.c_str());
        DeleteFileA((m_folder + "\\SAVOR32.INI").c_str());
    }
    void TearDown() override
    {
        SetCurrentDatabase(nullptr);
        CookbookTest::TearDown();
    }
    BOOL Connect(CCookbookDatabase& db, const std::string& path)
    {
        CCookbookLocator locator;
        return locator.ConnectCookbook(&db, path.c_str(), IDS_DRIVER_ACCESS, IDS_COOKBOOK_DATA_SOURCE);
    }
    std::string LastUsed()
    {
        CSettingsFile settings;
        settings.SetSection("General");
        CString value;
        settings.GetString("LastUsed", value, 260, "");
        return value.GetString();
    }
};

TEST_F(CookbookLocatorTest, NewCookbookIsCopiedFromTheTemplateAndOpens)
{
    const std::string path = m_folder + "\\Family.tws";
    DeleteFileA(path.c_str());
    CNewDatabase creator;
    {
        CNoticeRecording recording;
        ASSERT_TRUE(creator.Create("Savorum Database", fixture::TemplatePath().c_str(), path.c_str()))
            << m_boxes.GetAllTexts();
        EXPECT_EQ((std::vector<std::string>{"Creating Cookbook...", "Validating Cookbook..."}),
                  CRecordedNotice::Shown());
        EXPECT_EQ(0, CRecordedNotice::Showing());
    }
    CRMDatabase db;
    SetCurrentDatabase(&db);
    ASSERT_TRUE(Connect(db, path)) << m_boxes.GetAllTexts();
    EXPECT_TRUE(db.CanUpdate());
    EXPECT_EQ(path, LastUsed());
    EXPECT_TRUE(m_boxes.GetShown().empty()) << m_boxes.GetAllTexts();
}

TEST_F(CookbookLocatorTest, CreationFailuresSayWhy)
{
    CNewDatabase creator;
    const std::string locked = Copy(fixture::TemplatePath(), "Locked.tws");
    SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(creator.Create("Savorum Database", fixture::TemplatePath().c_str(), locked.c_str()));
    EXPECT_FALSE(creator.Create("Savorum Database", fixture::TemplatePath().c_str(),
                                (m_folder + "\\no such folder\\x.tws").c_str()));
    // A missing template asks for the disc; the driver cancels that.
    CDialogDriver::Arm(TRUE);
    EXPECT_FALSE(
        creator.Create("Savorum Database", (m_folder + "\\NOTHERE.TWS").c_str(), (m_folder + "\\x.tws").c_str()));
    EXPECT_EQ(std::vector<UINT>{IDD_FIND_CD}, CDialogDriver::GetUnexpectedDialogs());
    CDialogDriver::Reset();
    SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_NORMAL);
    ASSERT_EQ(2u, m_boxes.GetShown().size()) << m_boxes.GetAllTexts();
    EXPECT_STREQ(("Destination access permission denied: " + locked).c_str(), m_boxes.GetShown()[0].text);
    EXPECT_STREQ("Destination path not found, please re-enter.", m_boxes.GetShown()[1].text);
}

TEST_F(CookbookLocatorTest, FailedOpenKeepsThePreviousCookbookOpen)
{
    CRMDatabase db;
    SetCurrentDatabase(&db);
    const std::string good = Copy(fixture::TemplatePath(), "Good.tws");
    const std::string bad = m_folder + "\\Bad.tws";
    {
        HANDLE file = CreateFileA(bad.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, "not a cookbook", 14, &written, nullptr);
        CloseHandle(file);
    }
    ASSERT_TRUE(Connect(db, good));
    m_boxes.ClearShown();
    EXPECT_FALSE(Connect(db, bad));
    EXPECT_NE(-1, m_boxes.GetAllTexts().Find("Unable to open selected cookbook file.")) << m_boxes.GetAllTexts();
    EXPECT_TRUE(db.IsOpen());
    EXPECT_NE(-1, db.GetConnect().Find("Good.tws;"));
    EXPECT_EQ(good, LastUsed());
}

TEST_F(CookbookLocatorTest, ImportSourceLeavesTheSettingsAlone)
{
    CRMDatabase current;
    CRMDatabase source;
    SetCurrentDatabase(&current);
    ASSERT_TRUE(Connect(source, Copy(fixture::TemplatePath(), "Source.tws")));
    EXPECT_EQ("", LastUsed());
    EXPECT_FALSE(Connect(source, m_folder + "\\missing.tws"));
}

}  // namespace
