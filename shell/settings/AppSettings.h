#pragma once

#include <cstdint>
#include <windef.h>

#include "database/SystemSettings.h"
#include "framework/StringArray.h"

struct tagLOGFONTA;

// The print preferences, kept in "Printer Info" of the settings file. The
// print code and the print dialogs read and change the record in place and
// address it by 32-bit words, so its layout is fixed (asserted where it is
// defined). Lengths are in inches.
struct PrintSettings
{
    double PageWidth;
    double PageHeight;
    std::int32_t SubPages;
    std::int32_t Reserved;  // alignment of the margins
    double TopMargin;
    double BottomMargin;
    double LeftMargin;
    double RightMargin;
    std::int32_t Orientation;
    std::int32_t PrintTemplate;
    std::int32_t SelectedPageSize;
    std::int32_t RecipesInRecipes;
    std::int32_t MenusInMenus;
    std::int32_t IncludeNutrition;
    std::int32_t ShopIngredientDetail;
    std::int32_t ShopRecipes;
    std::int32_t SamePage;
    std::int32_t PrintToFile;
    std::int32_t Copies;
    std::int32_t DefaultFont;
    // From here to FontFace the fields are a LOGFONTA: see PrintFont().
    std::int32_t FontHeight;
    std::int32_t FontWidth;
    std::int32_t FontEscapement;
    std::int32_t FontOrientation;
    std::int32_t FontWeight;
    std::uint8_t FontItalic;
    std::uint8_t FontUnderline;
    std::uint8_t FontStrikeOut;
    std::uint8_t FontCharSet;
    std::uint8_t FontOutPrecision;
    std::uint8_t FontClipPrecision;
    std::uint8_t FontQuality;
    std::uint8_t FontPitchAndFamily;
    char FontFace[32];
    std::int32_t PrinterPort;
    std::int32_t DosPrinter;
    std::int32_t ContentsBook;
    std::int32_t BookRecipes;
    std::int32_t MenuNutrition;
    std::int32_t MenuRecipes;
    std::int32_t Extra;

    tagLOGFONTA& PrintFont();
};

// The program's settings object, reached through g_pAppSettings. The print
// record is read from the settings file when the object is made and written
// back only when it is destroyed.
class CAppSettings
{
public:
    CAppSettings();
    ~CAppSettings();
    CAppSettings(const CAppSettings&) = delete;
    CAppSettings& operator=(const CAppSettings&) = delete;

    // Values missing from the file, or out of their range, take the defaults.
    void LoadPrintSettings();
    void SavePrintSettings();
    BOOL IsPrintFontValid() const;
    void ResetPrintFont();

    PrintSettings* GetPrintRecord() { return &m_print; }
    SystemSettings* GetSystemRecord() { return &m_system; }
    // "None" and the six meal times, in the order of the day.
    CStringArray& GetMealNames();
    // Beeps only when the sound preference is on.
    void BeepIfSoundOn(UINT nType) const;

private:
    PrintSettings m_print;
    SystemSettings m_system;
    CStringArray m_mealNames;
    int m_nVersion;
};

extern CAppSettings* g_pAppSettings;
