#include "shell/settings/CookbookDirectory.h"

#include "shell/settings/WorkingDirectory.h"
#include "ShellTestFolder.h"

namespace {

class Directories : public shelltest::ProgramFolderTest
{
protected:
    std::string StoredDatabaseDirectory()
    {
        char szValue[300];
        GetPrivateProfileStringA("General", "DatabaseDirectory", "<missing>", szValue, sizeof szValue,
                                 IniPath().c_str());
        return szValue;
    }

    std::string Parent() const { return m_folder.substr(0, m_folder.rfind('\\')); }
};

TEST_F(Directories, ProgramDirectoryIsTheModuleFolder)
{
    CProgramDirectory::SetProgramDirectory("");
    char szModule[MAX_PATH];
    const std::string module(szModule, GetModuleFileNameA(nullptr, szModule, sizeof szModule));

    EXPECT_EQ(module.substr(0, module.rfind('\\')), std::string(CProgramDirectory().GetProgramDirectory()));
}

TEST_F(Directories, MakePathAddsOneBackslash)
{
    CProgramDirectory program;
    EXPECT_STREQ("C:\\Books\\A.tws", program.MakePath("C:\\Books", "A.tws"));
    EXPECT_STREQ("C:\\Books\\A.tws", program.MakePath("C:\\Books\\", "A.tws"));
    EXPECT_EQ(PathOf("log.txt"), std::string(program.MakePath(nullptr, "log.txt")));
    EXPECT_EQ(PathOf("SAVOR32.INI"), std::string(program.MakeProgramPath("SAVOR32.INI")));
}

TEST_F(Directories, WorkingDirectoryMakesTheProgramDirectoryCurrent)
{
    SetCurrentDirectoryA(Parent().c_str());

    EXPECT_EQ(m_folder, std::string(GetWorkingDirectory()));

    char szCurrent[MAX_PATH];
    GetCurrentDirectoryA(sizeof szCurrent, szCurrent);
    EXPECT_EQ(m_folder, szCurrent);
}

TEST_F(Directories, WithoutSettingTheCookbooksAreBesideTheProgram)
{
    CCookbookDirectory().GetDatabaseDirectory(TRUE);

    CCookbookDirectory cookbooks;

    EXPECT_EQ(Parent() + "\\COOKBKS\\", std::string(cookbooks.GetDatabaseDirectory(FALSE)));
    EXPECT_EQ(Parent() + "\\COOKBKS\\A.tws", std::string(cookbooks.MakePath(nullptr, "A.tws")));
}

TEST_F(Directories, SettingFromTheFileGetsATrailingBackslash)
{
    WritePrivateProfileStringA("General", "DatabaseDirectory", "C:\\Books", IniPath().c_str());
    CCookbookDirectory().GetDatabaseDirectory(TRUE);

    EXPECT_STREQ("C:\\Books\\", CCookbookDirectory().GetDatabaseDirectory(FALSE));
}

TEST_F(Directories, SetDatabaseDirectoryTakesAFolderOrTheFolderOfAFile)
{
    const std::string books = PathOf("Books");
    CreateDirectoryA(books.c_str(), nullptr);
    shelltest::WriteFile(books + "\\Family.tws", "");
    shelltest::WriteFile(PathOf("Loose.tws"), "");
    const struct
    {
        std::string path;
        std::string expected;
    } cases[] = {
        {books, books},
        {books + "\\", books},
        {books + "\\Family.tws", books},
        // A bare file name is taken from the current directory.
        {"Loose.tws", m_folder},
        {"Books", books},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.path);
        WritePrivateProfileStringA("General", nullptr, nullptr, IniPath().c_str());
        CCookbookDirectory cookbooks;

        EXPECT_TRUE(cookbooks.SetDatabaseDirectory(c.path.c_str(), TRUE));

        EXPECT_EQ(c.expected, std::string(cookbooks.GetDatabaseDirectory(FALSE)));
        EXPECT_EQ(c.expected, StoredDatabaseDirectory());
    }
}

TEST_F(Directories, SetDatabaseDirectorySavesOnlyWhenAsked)
{
    CCookbookDirectory cookbooks;
    EXPECT_TRUE(cookbooks.SetDatabaseDirectory(m_folder.c_str(), FALSE));

    EXPECT_EQ(m_folder, std::string(cookbooks.GetDatabaseDirectory(FALSE)));
    EXPECT_EQ("<missing>", StoredDatabaseDirectory());
}

TEST_F(Directories, MissingPathChangesNothing)
{
    CCookbookDirectory cookbooks;
    ASSERT_TRUE(cookbooks.SetDatabaseDirectory(m_folder.c_str(), TRUE));

    const std::string missing = PathOf("Missing\\Family.tws");
    for (const char* pszPath : {missing.c_str(), "", static_cast<const char*>(nullptr)})
        EXPECT_FALSE(cookbooks.SetDatabaseDirectory(pszPath, TRUE));

    EXPECT_EQ(m_folder, std::string(cookbooks.GetDatabaseDirectory(FALSE)));
    EXPECT_EQ(m_folder, StoredDatabaseDirectory());
}

}  // namespace
