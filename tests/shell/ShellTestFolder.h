#pragma once
// Shell tests run the program in a folder of their own (ctest runs tests in
// parallel processes): the program directory and the current directory are
// a fresh folder under SAVORUM_TEST_DATA, and message boxes are recorded.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "framework/MessageBoxScript.h"
#include "shell/settings/ProgramDirectory.h"

#include "support/TestDataFolder.h"

namespace shelltest {

inline std::string TestDataFolder()
{
    return testdata::Folder();
}

inline void RemoveTree(const std::string& folder)
{
    WIN32_FIND_DATAA found;
    HANDLE hFind = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (hFind != INVALID_HANDLE_VALUE)
    {
        do
        {
            const std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string path = folder + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path);
            else
                DeleteFileA(path.c_str());
        } while (FindNextFileA(hFind, &found));
        FindClose(hFind);
    }
    RemoveDirectoryA(folder.c_str());
}

inline std::string ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

inline void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

class ProgramFolderTest : public testing::Test
{
protected:
    void SetUp() override
    {
        const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
        m_folder = TestDataFolder() + "\\shell." + info->test_suite_name() + "." + info->name();
        RemoveTree(m_folder);
        CreateDirectoryA(m_folder.c_str(), nullptr);
        CProgramDirectory::SetProgramDirectory(m_folder.c_str());
        SetCurrentDirectoryA(m_folder.c_str());
    }

    std::string PathOf(const std::string& name) const { return m_folder + "\\" + name; }
    std::string IniPath() const { return PathOf("SAVOR32.INI"); }

    std::string m_folder;
    // Answers every box of the test with its default button (OK, or Yes when it asks yes or no).
    CMessageBoxScript m_boxes;
};

}  // namespace shelltest
