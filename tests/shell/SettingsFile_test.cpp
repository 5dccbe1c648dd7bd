#include "shell/settings/SettingsFile.h"

#include "res/resource.h"
#include "shell/services/CurrentCookbook.h"
#include "ShellTestFolder.h"

namespace {

class SettingsFile : public shelltest::ProgramFolderTest
{
protected:
    std::string RawValue(const char* pszSection, const char* pszKey)
    {
        char szValue[300];
        GetPrivateProfileStringA(pszSection, pszKey, "<missing>", szValue, sizeof szValue, IniPath().c_str());
        return szValue;
    }
};

TEST_F(SettingsFile, LivesInTheProgramDirectory)
{
    EXPECT_STREQ(IniPath().c_str(), CSettingsFile().GetPath());
}

TEST_F(SettingsFile, MissingFileGivesDefaults)
{
    CSettingsFile settings;
    settings.SetSection(IDS_SECTION_GENERAL);
    CString value;
    EXPECT_EQ(7, settings.GetString("Anything", value, 260, "default"));
    EXPECT_STREQ("default", value);
    EXPECT_EQ(-3, settings.GetInt(IDS_KEY_DATABASE_DIR, -3));
}

TEST_F(SettingsFile, ValuesRoundTripKeyByKey)
{
    CSettingsFile settings;
    settings.SetSection(IDS_SECTION_PRINTER_INFO);
    settings.WriteInt(IDS_KEY_FONT_HEIGHT, -16);
    settings.WriteInt("Copies", 2147483647);
    settings.WriteString(IDS_KEY_FONT_FACE, "Arial");

    EXPECT_EQ("-16", RawValue("Printer Info", "Font Height"));
    CSettingsFile reader;
    reader.SetSection("Printer Info");
    EXPECT_EQ(-16, reader.GetInt("Font Height", 0));
    EXPECT_EQ(2147483647, reader.GetInt(IDS_KEY_COPIES, 0));
    CString face;
    EXPECT_EQ(5, reader.GetString(IDS_KEY_FONT_FACE, face, 32, ""));
    EXPECT_STREQ("Arial", face);
    EXPECT_EQ(3, reader.GetString(IDS_KEY_FONT_FACE, face, 4, ""));
    EXPECT_STREQ("Ari", face);
}

TEST_F(SettingsFile, LastUsedCookbookNeedsDirectoryAndFileName)
{
    const struct
    {
        const char* pszDirectory;
        const char* pszFileName;
        const char* expected;
    } cases[] = {
        {"C:\\Books", "Family.tws", "C:\\Books\\Family.tws"},
        {"C:\\Books\\", "Family.tws", "C:\\Books\\Family.tws"},
        {"", "Family.tws", "<missing>"},
        {"C:\\Books", "", "<missing>"},
        {nullptr, "Family.tws", "<missing>"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.expected);
        WritePrivateProfileStringA("General", nullptr, nullptr, IniPath().c_str());
        CSettingsFile().WriteLastUsedCookbook(c.pszDirectory, c.pszFileName);
        EXPECT_EQ(c.expected, RawValue("General", "LastUsed"));
    }
}

TEST_F(SettingsFile, CookbookKeysLiveInTheSectionOfTheBaseName)
{
    CSettingsFile settings;
    settings.WriteSettingString(IDS_KEY_DATAPATH, "C:\\One\\Family.tws", "D:\\Data\\");
    settings.WriteSettingString(IDS_KEY_MEDIAPATH, "Family.tws", "D:\\Media");

    EXPECT_EQ("D:\\Data", RawValue("Family", "DataPath"));
    EXPECT_EQ("D:\\Media", RawValue("Family", "MediaPath"));

    // A cookbook of the same name elsewhere shares the section.
    CString value;
    CSettingsFile().ReadSettingString(IDS_KEY_DATAPATH, "E:\\Other\\Family.TWS", value);
    EXPECT_STREQ("D:\\Data", value);
    CSettingsFile().ReadSettingString(IDS_KEY_MEDIAPATH, "E:\\Other\\Holiday.tws", value);
    EXPECT_STREQ("", value);
}

TEST_F(SettingsFile, DataPathOfTheCurrentCookbookEndsInOneBackslash)
{
    CSettingsFile().WriteSettingString(IDS_KEY_DATAPATH, "C:\\One\\Family.tws", "D:\\Data\\");
    CString dataPath;

    SetCurrentCookbookName("Family");
    CSettingsFile().GetDataPathSetting(dataPath);
    EXPECT_STREQ("D:\\Data\\", dataPath);

    SetCurrentCookbookName("Holiday");
    CSettingsFile().GetDataPathSetting(dataPath);
    EXPECT_STREQ("", dataPath);
}

}  // namespace

namespace {

TEST_F(SettingsFile, DataPathWrittenAsTheCookbookFileReadsAsItsFolder)
{
    const std::string cookbook = PathOf("Family.tws");
    shelltest::WriteFile(cookbook, "x");
    CSettingsFile().WriteSettingString(IDS_KEY_DATAPATH, "Family", cookbook.c_str());
    SetCurrentCookbookName("Family");
    CString dataPath;
    CSettingsFile().GetDataPathSetting(dataPath);
    EXPECT_STREQ((m_folder + "\\").c_str(), dataPath);
}

}  // namespace
