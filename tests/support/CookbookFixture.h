#pragma once
// Fixture cookbooks for tests: each test works on its own copies, in a folder of its own under
// SAVORUM_TEST_DATA, with its own data-source profile; message boxes are answered and recorded.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "framework/MessageBoxScript.h"
#include "framework/OdbcDataSources.h"

#include "support/TestDataFolder.h"

namespace fixture {

inline std::string ProgramFolder()
{
    char module[MAX_PATH];
    std::string path(module, GetModuleFileNameA(nullptr, module, sizeof module));
    return path.substr(0, path.rfind('\\'));
}

// The build tree: test programs live in its "tests" folder.
inline std::string BuildFolder()
{
    std::string tests = ProgramFolder();
    return tests.substr(0, tests.rfind('\\'));
}

inline std::string TemplatePath()
{
    return BuildFolder() + "\\resource\\NEW_INGS.TWS";
}
inline std::string OldCookbookPath()
{
    return BuildFolder() + "\\fixtures\\Cookbook-1.2.TWS";
}

inline std::string TestDataFolder()
{
    return testdata::Folder();
}

// A clean folder named after the running test, its own data-source profile, recorded boxes.
class CookbookTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_folder = TestDataFolder() + "\\" + info->test_suite_name() + "." + info->name();
        CreateDirectoryA(m_folder.c_str(), nullptr);
        COdbcDataSources::SetProfilePath((m_folder + "\\odbc.ini").c_str());
        DeleteFileA((m_folder + "\\odbc.ini").c_str());
    }

    void TearDown() override { COdbcDataSources::SetProfilePath(""); }

    // A fresh copy of a fixture cookbook in the test's folder.
    std::string Copy(const std::string& source, const std::string& name)
    {
        const std::string target = m_folder + "\\" + name;
        SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
        EXPECT_TRUE(CopyFileA(source.c_str(), target.c_str(), FALSE)) << source;
        return target;
    }

    std::string m_folder;
    // Answers every box of the test with its default button (OK, or Yes when it asks yes or no).
    CMessageBoxScript m_boxes;
};

}  // namespace fixture
