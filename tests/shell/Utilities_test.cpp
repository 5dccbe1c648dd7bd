#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "database/CustObList.h"
#include "database/ListItem.h"
#include "framework/ComboBox.h"
#include "framework/MapStringToPtr.h"
#include "framework/Rect.h"
#include "framework/String.h"
#include "res/resource.h"
#include "shell/controls/DialogControls.h"
#include "shell/services/DiskSpace.h"
#include "shell/settings/MediaPath.h"
#include "shell/services/MessageUtilities.h"
#include "shell/services/PhotoCopy.h"
#include "shell/settings/ProgramDirectory.h"
#include "shell/services/TextUtilities.h"
#include "support/CookbookFixture.h"

namespace {

class UtilitiesTest : public fixture::CookbookTest
{
protected:
    void SetUp() override
    {
        CookbookTest::SetUp();
        CProgramDirectory::SetProgramDirectory(m_folder.c_str());
    }
    void TearDown() override { CookbookTest::TearDown(); }
    std::string Write(const std::string& name, const std::string& contents)
    {
        const std::string path = m_folder + "\\" + name;
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        std::ofstream(path, std::ios::binary) << contents;
        return path;
    }
    static std::string Read(const std::string& path)
    {
        std::ifstream file(path, std::ios::binary);
        std::stringstream contents;
        contents << file.rdbuf();
        return contents.str();
    }
};

TEST_F(UtilitiesTest, MediaPathsOfPicturesCookbooksAndFullPaths)
{
    CString path;
    ResolveMediaPath(path, "!LOGO", ".BMP");
    EXPECT_EQ(m_folder + "\\resource\\LOGO.BMP", std::string(path));
    ResolveMediaPath(path, "C:\\pictures\\cake.bmp", ".BMP");
    EXPECT_STREQ("C:\\pictures\\cake.bmp", path);
    ResolveMediaPath(path, "Cookbook", ".TWS");
    const std::string parent = m_folder.substr(0, m_folder.rfind('\\') + 1);
    EXPECT_EQ(parent + "CookBks\\Cookbook.TWS", std::string(path));
}

TEST_F(UtilitiesTest, PhotoWithoutExtensionIsFoundAsBmp)
{
    const std::string source = Write("cake.BMP", std::string(5000, 'p'));
    DeleteFileA((m_folder + "\\cake.CMP").c_str());
    const std::string destination = m_folder + "\\copy";
    DeleteFileA((destination + ".BMP").c_str());
    EXPECT_EQ(copyDone, CopyPhotoFile(destination.c_str(), (m_folder + "\\cake").c_str()));
    EXPECT_EQ(Read(source), Read(destination + ".BMP"));
}

TEST_F(UtilitiesTest, CopyingAPhotoOntoItselfKeepsIt)
{
    const std::string photo = Write("self.bmp", "picture bytes");
    EXPECT_EQ(copyDone, CopyPhotoFile(photo.c_str(), photo.c_str()));
    EXPECT_EQ("picture bytes", Read(photo));
}

TEST_F(UtilitiesTest, CopyFailuresGiveTheirCodes)
{
    const std::string photo = Write("a.bmp", "x");
    EXPECT_EQ(copySourceNotFound, CopyPhotoFile((m_folder + "\\b.bmp").c_str(), (m_folder + "\\none.bmp").c_str()));
    EXPECT_EQ(copySourceNotFound, CopyPhotoFile((m_folder + "\\b").c_str(), (m_folder + "\\none").c_str()));
    EXPECT_EQ(copyDestinationPathNotFound, CopyPhotoFile("nofolder.bmp", photo.c_str()));
    EXPECT_EQ(copyDestinationPathNotFound, CopyPhotoFile((m_folder + "\\missing\\b.bmp").c_str(), photo.c_str()));
    const std::string locked = Write("locked.bmp", "old");
    SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(copyDestinationUnwritable, CopyPhotoFile(locked.c_str(), photo.c_str()));
    SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ("old", Read(locked));
    ShowCopyError(copySourceNotFound, "s.bmp", "d.bmp");
    ShowCopyError(9, "s.bmp", "d.bmp");
    ASSERT_EQ(2u, m_boxes.GetShown().size());
    EXPECT_STREQ("Source file not found: s.bmp", m_boxes.GetShown()[0].text);
    EXPECT_STREQ("An unknown error has occured while attempting to copy file: \r\ns.bmp to \r\nd.bmp",
                 m_boxes.GetShown()[1].text);
}

TEST_F(UtilitiesTest, DiskSpaceIsCountedBeyondFourGigabytesAndChecked)
{
    EXPECT_EQ(-1, GetDiskFreeBytes("no drive"));
    EXPECT_GT(GetDiskFreeBytes(m_folder.c_str()), 0);
    EXPECT_TRUE(CheckFreeDiskSpace(nullptr, m_folder.c_str(), 2097152));
    EXPECT_TRUE(m_boxes.GetShown().empty());
    EXPECT_FALSE(CheckFreeDiskSpace(nullptr, m_folder.c_str(), 0x7FFFFFFFFFFFFFFFLL));
    ASSERT_EQ(1u, m_boxes.GetShown().size());
    const std::string start = "There is insufficient space on drive " + m_folder.substr(0, 2);
    EXPECT_EQ(0, m_boxes.GetShown()[0].text.Find(start.c_str()));
}

TEST_F(UtilitiesTest, MessageBoxByIdFormatsItsArgument)
{
    const std::string longArgument(1000, 'a');
    MessageBoxById(nullptr, longArgument.c_str(), IDS_SERVINGS_LIMIT, MB_OK);
    MessageBoxById(nullptr, nullptr, IDS_UNABLE_TO_OPEN_COOKBOOK, MB_OK);
    ASSERT_EQ(2u, m_boxes.GetShown().size());
    const std::string servingsLimit = "Servings must be single whole number between 0 and " + longArgument + ".";
    EXPECT_STREQ(servingsLimit.c_str(), m_boxes.GetShown()[0].text);
    EXPECT_STREQ("Unable to open selected cookbook file.", m_boxes.GetShown()[1].text);
}

TEST(TextUtilities, MinutesAsHoursAndMinutes)
{
    const struct
    {
        int minutes;
        const char* expected;
    } cases[] = {{125, "2:05"}, {45, "0:45"}, {6000, "99:00"}, {-5, "0:00"}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.minutes);
        CString text;
        FormatMinutes(c.minutes, text);
        EXPECT_STREQ(c.expected, text);
    }
}

TEST(TextUtilities, PluralMarkers)
{
    const struct
    {
        const char* word;
        double quantity;
        const char* expected;
    } cases[] = {{"cup(s)", 1.0, "cup"},       {"cup(s)", 2.0, "cups"},      {"berry(ies)", 3.0, "berries"},
                 {"berry(ies)", 0.5, "berry"}, {"leaf(ves)", 2.0, "leaves"}, {"pinch", 2.0, "pinch"}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.word);
        CString word(c.word);
        ApplyPluralParentheses(word, c.quantity);
        EXPECT_STREQ(c.expected, word);
    }
}

TEST(TextUtilities, BlanksNumbersAndFileNames)
{
    char text[] = "  1 1/2 cups  ";
    EXPECT_STREQ("1 1/2 cups", TrimTrailingBlanks(TrimLeadingBlanks(text)));
    EXPECT_STREQ("1/2 cups", NextNumberStart(text));
    EXPECT_STREQ("", NextNumberStart("12 cups"));
    EXPECT_TRUE(IsBlank("   "));
    EXPECT_TRUE(IsBlank(nullptr));
    EXPECT_FALSE(IsBlank(" x"));
    EXPECT_TRUE(IsValidFileName("Mom's (best) #1.tws"));
    EXPECT_FALSE(IsValidFileName("a/b"));
    EXPECT_FALSE(IsValidFileName(""));
    EXPECT_STREQ("/b", FindInvalidFileNameChar("a/b"));
    EXPECT_EQ(nullptr, FindInvalidFileNameChar("a b"));
}

TEST(TextUtilities, DeviceNamesAreNoFileNames)
{
    const struct
    {
        const char* name;
        BOOL reserved;
    } rows[] = {{"CON", TRUE},    {"con.shp", TRUE},  {"lpt1", TRUE},  {"Com9 .txt", TRUE},
                {"nul", TRUE},    {"aux", TRUE},      {"PRN", TRUE},   {"COM0", FALSE},
                {"LPT10", FALSE}, {"console", FALSE}, {"icon", FALSE}, {"my con", FALSE}};
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.reserved, IsReservedDeviceName(row.name));
        EXPECT_EQ(!row.reserved, IsValidFileName(row.name));
    }
}

}  // namespace

TEST(DialogControls, ComboFilledFromAListKeepsItsItemsAndTheirIds)
{
    HWND hParent = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, hParent);
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | CBS_DROPDOWNLIST, CRect(0, 0, 100, 100), CWnd::FromHandle(hParent), 1));
    CCustObList items;
    CListItem* pProduce = new CListItem("Produce", 1, 'Z');
    pProduce->m_id = CRecordId(12ul);
    CListItem* pDairy = new CListItem("Dairy", 2, 'Z');
    pDairy->m_id = CRecordId(7ul);
    items.AddTail(pProduce);
    items.AddTail(pDairy);

    CMapStringToPtr byId;
    FillComboFromList(combo, items, &byId);

    ASSERT_EQ(2, combo.GetCount());
    CString text;
    combo.GetLBText(1, text);
    EXPECT_STREQ("Dairy", text);
    EXPECT_EQ(reinterpret_cast<DWORD_PTR>(pDairy), combo.GetItemData(1));
    void* pFound = nullptr;
    ASSERT_TRUE(byId.Lookup("000012", pFound));
    EXPECT_EQ(pProduce, pFound);
    combo.DestroyWindow();
    DestroyWindow(hParent);
}
