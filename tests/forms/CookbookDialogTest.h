#pragma once
// Dialog tests on a fresh copy of the empty template cookbook, which is the program's current
// database, with the program's settings, browse state and form manager in place.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "DialogTest.h"
#include "database/BrowseState.h"
#include "database/MenuData.h"
#include "database/RMDatabase.h"
#include "res/resource.h"
#include "shell/settings/AppSettings.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/formbase/FormManager.h"
#include "shell/settings/ProgramDirectory.h"
#include "support/CookbookFixture.h"

namespace formtest {

class CookbookDialogTest : public DialogTestOf<fixture::CookbookTest>
{
protected:
    void SetUp() override
    {
        DialogTestOf<fixture::CookbookTest>::SetUp();
        CProgramDirectory::SetProgramDirectory(m_folder.c_str());
        m_path = Copy(SourceCookbook(), "Forms.TWS");
        ASSERT_TRUE(m_database.OpenCookbookFile(m_path.c_str(), IDS_DRIVER_ACCESS, IDS_COOKBOOK_DATA_SOURCE));
        SetCurrentDatabase(&m_database);
        m_settings = std::make_unique<CAppSettings>();
        g_pAppSettings = m_settings.get();
        m_browse = std::make_unique<CBrowseState>(*m_settings->GetSystemRecord());
        g_pBrowseState = m_browse.get();
        m_frame.CreateEx(0, nullptr, "Savorum", WS_OVERLAPPEDWINDOW, RECT{0, 0, 600, 400}, nullptr, 0);
        m_forms = std::make_unique<CFormManager>(&m_frame);
        g_pFormManager = m_forms.get();
    }

    void TearDown() override
    {
        g_pFormManager = nullptr;
        m_forms.reset();
        m_frame.DestroyWindow();
        g_pBrowseState = nullptr;
        m_browse.reset();
        g_pAppSettings = nullptr;
        m_settings.reset();
        SetCurrentDatabase(nullptr);
        m_database.Close();
        ::SetFileAttributesA(m_path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DialogTestOf<fixture::CookbookTest>::TearDown();
    }

    // The cookbook the test works on a copy of.
    virtual std::string SourceCookbook() const { return fixture::TemplatePath(); }

    CRecordId AddMealPlan(const char* name)
    {
        CMenuData plan;
        plan.m_name = name;
        EXPECT_TRUE(m_database.SaveMenu(plan, TRUE)) << name;
        return plan.m_id;
    }

    // Makes the cookbook refuse one kind of write ("INSERT", "UPDATE" or "DELETE") to a table.
    void Refuse(const char* write, const char* table)
    {
        CString sql;
        sql.Format("CREATE TRIGGER Refuse%s%s BEFORE %s ON %s BEGIN SELECT RAISE(ABORT, 'refused'); END", write, table,
                   write, table);
        ASSERT_TRUE(m_database.ExecuteDirect(sql));
    }

    std::string m_path;
    CRMDatabase m_database;
    std::unique_ptr<CAppSettings> m_settings;
    std::unique_ptr<CBrowseState> m_browse;
    CWnd m_frame;
    std::unique_ptr<CFormManager> m_forms;
};

}  // namespace formtest
