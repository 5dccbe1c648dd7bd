#include "shell/settings/AppSettings.h"

#include <cmath>
#include <cstring>
#include <memory>

#include "res/resource.h"
#include "ShellTestFolder.h"

namespace {

class AppSettings : public shelltest::ProgramFolderTest
{
protected:
    void WritePrinterInfo(const char* pszKey, const char* pszValue)
    {
        WritePrivateProfileStringA("Printer Info", pszKey, pszValue, IniPath().c_str());
    }

    // "key=value" lines of the "Printer Info" section, in file order.
    std::vector<std::string> PrinterInfoLines()
    {
        std::vector<char> buffer(8192);
        const DWORD cch = GetPrivateProfileSectionA("Printer Info", buffer.data(), static_cast<DWORD>(buffer.size()),
                                                    IniPath().c_str());
        std::vector<std::string> lines;
        for (const char* p = buffer.data(); p < buffer.data() + cch && *p; p += std::strlen(p) + 1)
            lines.push_back(p);
        return lines;
    }
};

void ExpectDefaultFont(const PrintSettings& print)
{
    EXPECT_EQ(0, print.DefaultFont);
    EXPECT_EQ(-16, print.FontHeight);
    EXPECT_EQ(120, print.FontWidth);
    EXPECT_EQ(0, print.FontEscapement);
    EXPECT_EQ(0, print.FontOrientation);
    EXPECT_EQ(400, print.FontWeight);
    EXPECT_EQ(0, print.FontItalic);
    EXPECT_EQ(0, print.FontUnderline);
    EXPECT_EQ(0, print.FontStrikeOut);
    EXPECT_EQ(0, print.FontCharSet);
    EXPECT_EQ(4, print.FontOutPrecision);
    EXPECT_EQ(2, print.FontClipPrecision);
    EXPECT_EQ(1, print.FontQuality);
    EXPECT_EQ(18, print.FontPitchAndFamily);
    EXPECT_STREQ("Times New Roman", print.FontFace);
}

TEST_F(AppSettings, WithoutFileEverySettingIsTheDefaultAndExitWritesThemAll)
{
    {
        CAppSettings settings;
        const PrintSettings& print = *settings.GetPrintRecord();
        EXPECT_EQ(8.5, print.PageWidth);
        EXPECT_EQ(11.0, print.PageHeight);
        EXPECT_EQ(1, print.SubPages);
        EXPECT_EQ(0.75, print.TopMargin);
        EXPECT_EQ(0.75, print.BottomMargin);
        EXPECT_EQ(0.75, print.LeftMargin);
        EXPECT_EQ(0.75, print.RightMargin);
        EXPECT_EQ(1, print.RecipesInRecipes);
        EXPECT_EQ(1, print.IncludeNutrition);
        EXPECT_EQ(1, print.SamePage);
        EXPECT_EQ(1, print.Copies);
        EXPECT_EQ(1, print.MenuNutrition);
        ExpectDefaultFont(print);
    }
    const std::vector<std::string> expected = {
        "PageSizeWidth=8500",
        "PageSizeHeight=11000",
        "PageSizeSubPgs=1",
        "Top Margin=750",
        "Bottom Margin=750",
        "Left Margin=750",
        "Right Margin=750",
        "Page Orientation=0",
        "Print Template=0",
        "Selected PageSize=0",
        "Rcps In Rcps=1",
        "Menus In Menus=0",
        "Include Nutrition=1",
        "Shop Ing Detail=0",
        "Shop Rcps=0",
        "Same Page=1",
        "Print To File=0",
        "Copies=1",
        "Default Font=0",
        "Font Height=-16",
        "Font Width=120",
        "Font Escapement=0",
        "Font Orientation=0",
        "Font Weight=400",
        "Font Italic=0",
        "Font Underscored=0",
        "Font Strikeout=0",
        "Font CharSet=0",
        "Font OutPrecision=4",
        "Font ClipPrecision=2",
        "Font Quality=1",
        "Font Pitch=18",
        "Printer Port=0",
        "DOS Printer=0",
        "PXTOC=0",
        "PXRcps=0",
        "Menu Nutrtion=1",
        "Menu Recipes=0",
        "Font Face=Times New Roman",
        "Extra=0",
    };
    EXPECT_EQ(expected, PrinterInfoLines());
}

TEST_F(AppSettings, InchesAreStoredInTruncatedThousandthsWithoutDrift)
{
    const struct
    {
        double inches;
        const char* stored;
        double readBack;
    } cases[] = {
        {0.7505, "750", 0.75},
        {4.007, "4007", 4.007},
        {1.001, "1001", 1.001},
        {0.0, "0", 0.0},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.stored);
        {
            CAppSettings settings;
            settings.GetPrintRecord()->TopMargin = c.inches;
        }
        for (int nExit = 0; nExit < 3; ++nExit)
            CAppSettings();
        char szStored[32];
        GetPrivateProfileStringA("Printer Info", "Top Margin", "", szStored, sizeof szStored, IniPath().c_str());
        EXPECT_STREQ(c.stored, szStored);
        EXPECT_NEAR(c.readBack, CAppSettings().GetPrintRecord()->TopMargin, 1e-9);
    }
}

TEST_F(AppSettings, NegativeAndByteValuesRoundTrip)
{
    {
        CAppSettings settings;
        PrintSettings& print = *settings.GetPrintRecord();
        print.FontHeight = -120;
        print.FontEscapement = -900;
        print.FontWidth = -720;
        print.FontCharSet = 255;
        print.FontItalic = 1;
        std::strcpy(print.FontFace, "Arial");
        print.Extra = -7;
    }
    CAppSettings settings;
    const PrintSettings& print = *settings.GetPrintRecord();
    EXPECT_EQ(-120, print.FontHeight);
    EXPECT_EQ(-900, print.FontEscapement);
    EXPECT_EQ(-720, print.FontWidth);
    EXPECT_EQ(255, print.FontCharSet);
    EXPECT_EQ(1, print.FontItalic);
    EXPECT_STREQ("Arial", print.FontFace);
    // "Extra" is written but never read.
    EXPECT_EQ(0, print.Extra);
}

TEST_F(AppSettings, AbsurdFontFromTheFileResetsTheWholeFont)
{
    const struct
    {
        const char* pszKey;
        const char* pszValue;
        bool bReset;
    } cases[] = {
        {"Font Height", "120", false},  {"Font Height", "121", true},   {"Font Height", "-720", false},
        {"Font Height", "-5000", true}, {"Font Width", "-720", false},  {"Font Width", "-721", true},
        {"Font Width", "721", true},    {"Font Weight", "1000", false}, {"Font Weight", "5000", true},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string(c.pszKey) + "=" + c.pszValue);
        DeleteFileA(IniPath().c_str());
        WritePrinterInfo("Default Font", "1");
        WritePrinterInfo("Font Italic", "1");
        WritePrinterInfo("Font Face", "Arial");
        WritePrinterInfo(c.pszKey, c.pszValue);

        CAppSettings settings;
        const PrintSettings& print = *settings.GetPrintRecord();
        if (c.bReset)
            ExpectDefaultFont(print);
        else
        {
            EXPECT_EQ(1, print.DefaultFont);
            EXPECT_EQ(1, print.FontItalic);
            EXPECT_STREQ("Arial", print.FontFace);
        }
    }
}

TEST_F(AppSettings, PageValuesOutOfRangeTakeTheDefault)
{
    using Field = double (*)(const PrintSettings&);
    const Field width = [](const PrintSettings& p) { return p.PageWidth; };
    const Field height = [](const PrintSettings& p) { return p.PageHeight; };
    const Field top = [](const PrintSettings& p) { return p.TopMargin; };
    const Field left = [](const PrintSettings& p) { return p.LeftMargin; };
    const Field subPages = [](const PrintSettings& p) { return double(p.SubPages); };
    const Field layout = [](const PrintSettings& p) { return double(p.PrintTemplate); };
    const Field pageSize = [](const PrintSettings& p) { return double(p.SelectedPageSize); };
    const Field copies = [](const PrintSettings& p) { return double(p.Copies); };
    const Field italic = [](const PrintSettings& p) { return double(p.FontItalic); };
    const struct
    {
        const char* pszKey;
        const char* pszValue;
        Field field;
        double expected;
    } cases[] = {
        {"PageSizeWidth", "5000", width, 5.0},
        {"PageSizeWidth", "-5", width, 8.5},
        {"PageSizeHeight", "0", height, 11.0},
        {"Top Margin", "-1", top, 0.75},
        {"Left Margin", "0", left, 0.0},
        {"PageSizeSubPgs", "0", subPages, 1},
        {"PageSizeSubPgs", "3", subPages, 3},
        {"Print Template", "7", layout, 7},
        {"Print Template", "8", layout, 0},
        {"Selected PageSize", "5", pageSize, 5},
        {"Selected PageSize", "-1", pageSize, 0},
        {"Copies", "-3", copies, 1},
        {"Copies", "0", copies, 0},
        {"Font Italic", "257", italic, 1},
        {"Copies", "lots", copies, 1},
        {"Copies", "", copies, 1},
        {"PageSizeSubPgs", "x2", subPages, 1},
        {"Top Margin", "wide", top, 0.75},
        {"Copies", "-", copies, 1},
        {"Copies", " 3", copies, 3},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::string(c.pszKey) + "=" + c.pszValue);
        DeleteFileA(IniPath().c_str());
        WritePrinterInfo(c.pszKey, c.pszValue);

        CAppSettings settings;
        EXPECT_EQ(c.expected, c.field(*settings.GetPrintRecord()));
    }
}

TEST_F(AppSettings, UnreadableNumberIsWrittenBackAsItsDefault)
{
    WritePrinterInfo("Copies", "lots");
    CAppSettings();
    char szStored[32];
    GetPrivateProfileStringA("Printer Info", "Copies", "", szStored, sizeof szStored, IniPath().c_str());
    EXPECT_STREQ("1", szStored);
}

TEST_F(AppSettings, PrintFontIsTheRecordsLogFont)
{
    CAppSettings settings;
    PrintSettings& print = *settings.GetPrintRecord();
    LOGFONTA& font = print.PrintFont();
    EXPECT_EQ(-16, font.lfHeight);
    EXPECT_EQ(18, font.lfPitchAndFamily);
    EXPECT_STREQ("Times New Roman", font.lfFaceName);
    // Other parts of the program read the font from word 26 of the record.
    EXPECT_EQ(reinterpret_cast<const char*>(&print) + 26 * 4, reinterpret_cast<const char*>(&font));
}

TEST_F(AppSettings, SystemRecordAndMealNames)
{
    CAppSettings settings;
    const SystemSettings& system = *settings.GetSystemRecord();
    EXPECT_EQ(1000, system.Version);
    EXPECT_EQ(3, system.Units);
    EXPECT_EQ(0, system.Fractional);
    EXPECT_EQ(150, system.SeasoningRatio);
    EXPECT_EQ(1, system.ScaleRanging);
    EXPECT_EQ(1, system.Sound);
    EXPECT_EQ(1, system.Status);

    const char* names[] = {"None", "Breakfast", "Morning Snack", "Lunch", "Afternoon Snack", "Dinner", "Evening Snack"};
    settings.GetMealNames();
    const CStringArray& meals = settings.GetMealNames();
    ASSERT_EQ(7, meals.GetSize());
    for (int i = 0; i < 7; ++i)
        EXPECT_STREQ(names[i], meals[i]);
}

}  // namespace
