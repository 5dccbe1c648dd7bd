#include "shell/settings/AppSettings.h"

#include <windows.h>

#include <climits>
#include <cmath>
#include <cstddef>
#include <cstdlib>

#include "res/resource.h"
#include "shell/settings/SettingsFile.h"

CAppSettings* g_pAppSettings = nullptr;

// Other parts of the program address the print record by 32-bit word.
#define PRINT_WORD(field) (offsetof(PrintSettings, field) / 4)
static_assert(sizeof(PrintSettings) == 48 * 4, "print record size");
static_assert(PRINT_WORD(PageHeight) == 2 && PRINT_WORD(SubPages) == 4, "print record page words");
static_assert(PRINT_WORD(TopMargin) == 6 && PRINT_WORD(BottomMargin) == 8 && PRINT_WORD(LeftMargin) == 10 &&
                  PRINT_WORD(RightMargin) == 12,
              "print record margin words");
static_assert(PRINT_WORD(Orientation) == 14 && PRINT_WORD(PrintTemplate) == 15 && PRINT_WORD(SelectedPageSize) == 16 &&
                  PRINT_WORD(RecipesInRecipes) == 17 && PRINT_WORD(IncludeNutrition) == 19 &&
                  PRINT_WORD(SamePage) == 22 && PRINT_WORD(PrintToFile) == 23 && PRINT_WORD(Copies) == 24 &&
                  PRINT_WORD(DefaultFont) == 25,
              "print record option words");
static_assert(PRINT_WORD(FontHeight) == 26 && PRINT_WORD(FontFace) == 33, "print record font words");
static_assert(PRINT_WORD(BookRecipes) == 44 && PRINT_WORD(MenuNutrition) == 45 && PRINT_WORD(MenuRecipes) == 46 &&
                  PRINT_WORD(Extra) == 47,
              "print record book words");
static_assert(offsetof(PrintSettings, PrinterPort) - offsetof(PrintSettings, FontHeight) == sizeof(LOGFONTA) &&
                  offsetof(PrintSettings, FontFace) - offsetof(PrintSettings, FontHeight) ==
                      offsetof(LOGFONTA, lfFaceName) &&
                  offsetof(PrintSettings, FontItalic) - offsetof(PrintSettings, FontHeight) ==
                      offsetof(LOGFONTA, lfItalic) &&
                  sizeof(PrintSettings::FontFace) == LF_FACESIZE,
              "print font is a LOGFONTA");
static_assert(sizeof(SystemSettings) == 11 * 4, "system record size");
#undef PRINT_WORD

tagLOGFONTA& PrintSettings::PrintFont()
{
    return *reinterpret_cast<LOGFONTA*>(&FontHeight);
}

namespace {
// How a print field is kept in the file: lengths as thousandths of an inch.
enum class FieldKind
{
    Inches,
    Int,
    Byte
};

struct PrintField
{
    UINT nKeyId;
    FieldKind kind;
    std::size_t offset;
    int nDefault;
    // A value from the file outside this range is taken as missing.
    int nMin;
    int nMax;
};

#define FIELD(field) offsetof(PrintSettings, field)
const PrintField s_printFields[] = {
    {IDS_KEY_PAGE_WIDTH, FieldKind::Inches, FIELD(PageWidth), 8500, 1000, 100000},
    {IDS_KEY_PAGE_HEIGHT, FieldKind::Inches, FIELD(PageHeight), 11000, 1000, 100000},
    {IDS_KEY_SUB_PAGES, FieldKind::Int, FIELD(SubPages), 1, 1, 8},
    {IDS_KEY_TOP_MARGIN, FieldKind::Inches, FIELD(TopMargin), 750, 0, 20000},
    {IDS_KEY_BOTTOM_MARGIN, FieldKind::Inches, FIELD(BottomMargin), 750, 0, 20000},
    {IDS_KEY_LEFT_MARGIN, FieldKind::Inches, FIELD(LeftMargin), 750, 0, 20000},
    {IDS_KEY_RIGHT_MARGIN, FieldKind::Inches, FIELD(RightMargin), 750, 0, 20000},
    {IDS_KEY_ORIENTATION, FieldKind::Int, FIELD(Orientation), 0, INT_MIN, INT_MAX},
    {IDS_KEY_PRINT_TEMPLATE, FieldKind::Int, FIELD(PrintTemplate), 0, 0, 7},
    {IDS_KEY_PAGE_SIZE, FieldKind::Int, FIELD(SelectedPageSize), 0, 0, 5},
    {IDS_KEY_RCPS_IN_RCPS, FieldKind::Int, FIELD(RecipesInRecipes), 1, INT_MIN, INT_MAX},
    {IDS_KEY_MENUS_IN_MENUS, FieldKind::Int, FIELD(MenusInMenus), 0, INT_MIN, INT_MAX},
    {IDS_KEY_INCLUDE_NUTRITION, FieldKind::Int, FIELD(IncludeNutrition), 1, INT_MIN, INT_MAX},
    {IDS_KEY_SHOP_ING_DETAIL, FieldKind::Int, FIELD(ShopIngredientDetail), 0, INT_MIN, INT_MAX},
    {IDS_KEY_SHOP_RCPS, FieldKind::Int, FIELD(ShopRecipes), 0, INT_MIN, INT_MAX},
    {IDS_KEY_SAME_PAGE, FieldKind::Int, FIELD(SamePage), 1, INT_MIN, INT_MAX},
    {IDS_KEY_PRINT_TO_FILE, FieldKind::Int, FIELD(PrintToFile), 0, INT_MIN, INT_MAX},
    {IDS_KEY_COPIES, FieldKind::Int, FIELD(Copies), 1, 0, 9999},
    {IDS_KEY_DEFAULT_FONT, FieldKind::Int, FIELD(DefaultFont), 0, INT_MIN, INT_MAX},
    // The font is checked as a whole (IsPrintFontValid).
    {IDS_KEY_FONT_HEIGHT, FieldKind::Int, FIELD(FontHeight), -16, INT_MIN, INT_MAX},
    {IDS_KEY_FONT_WIDTH, FieldKind::Int, FIELD(FontWidth), 120, INT_MIN, INT_MAX},
    {IDS_KEY_FONT_ESCAPEMENT, FieldKind::Int, FIELD(FontEscapement), 0, INT_MIN, INT_MAX},
    {IDS_KEY_FONT_ORIENTATION, FieldKind::Int, FIELD(FontOrientation), 0, INT_MIN, INT_MAX},
    {IDS_KEY_FONT_WEIGHT, FieldKind::Int, FIELD(FontWeight), 400, INT_MIN, INT_MAX},
    {IDS_KEY_FONT_ITALIC, FieldKind::Byte, FIELD(FontItalic), 0, INT_MIN, INT_MAX},
    {IDS_KEY_FONT_UNDERLINE, FieldKind::Byte, FIELD(FontUnderline), 0, INT_MIN, INT_MAX},
    {IDS_KEY_FONT_STRIKEOUT, FieldKind::Byte, FIELD(FontStrikeOut), 0, INT_MIN, INT_MAX},
    {IDS_KEY_FONT_CHARSET, FieldKind::Byte, FIELD(FontCharSet), 0, INT_MIN, INT_MAX},
    {IDS_KEY_FONT_OUT_PRECISION, FieldKind::Byte, FIELD(FontOutPrecision), 4, INT_MIN, INT_MAX},
    {IDS_KEY_FONT_CLIP_PRECISION, FieldKind::Byte, FIELD(FontClipPrecision), 2, INT_MIN, INT_MAX},
    {IDS_KEY_FONT_QUALITY, FieldKind::Byte, FIELD(FontQuality), 1, INT_MIN, INT_MAX},
    {IDS_KEY_FONT_PITCH, FieldKind::Byte, FIELD(FontPitchAndFamily), 18, INT_MIN, INT_MAX},
    {IDS_KEY_PRINTER_PORT, FieldKind::Int, FIELD(PrinterPort), 0, INT_MIN, INT_MAX},
    {IDS_KEY_DOS_PRINTER, FieldKind::Int, FIELD(DosPrinter), 0, INT_MIN, INT_MAX},
    {IDS_KEY_PXTOC, FieldKind::Int, FIELD(ContentsBook), 0, INT_MIN, INT_MAX},
    {IDS_KEY_PXRCPS, FieldKind::Int, FIELD(BookRecipes), 0, INT_MIN, INT_MAX},
    {IDS_KEY_MENU_NUTRITION, FieldKind::Int, FIELD(MenuNutrition), 1, INT_MIN, INT_MAX},
    {IDS_KEY_MENU_RECIPES, FieldKind::Int, FIELD(MenuRecipes), 0, INT_MIN, INT_MAX},
};
#undef FIELD

const char* const s_mealNames[] = {"None",   "Breakfast",    "Morning Snack", "Lunch", "Afternoon Snack",
                                   "Dinner", "Evening Snack"};

const int s_nSettingsVersion = 1000;
const int s_nMaxFontHeight = 120;
const int s_nMinFontHeight = -720;
const int s_nMaxFontWidth = 720;
const int s_nMaxFontWeight = 1000;

// "Default Font" and the font itself are reset together.
bool IsFontField(const PrintField& field)
{
    return field.nKeyId >= IDS_KEY_DEFAULT_FONT && field.nKeyId <= IDS_KEY_FONT_PITCH;
}

void SetField(PrintSettings& print, const PrintField& field, int nStored)
{
    char* pField = reinterpret_cast<char*>(&print) + field.offset;
    switch (field.kind)
    {
    case FieldKind::Inches: *reinterpret_cast<double*>(pField) = nStored * 0.001; break;
    case FieldKind::Int: *reinterpret_cast<std::int32_t*>(pField) = nStored; break;
    case FieldKind::Byte: *reinterpret_cast<std::uint8_t*>(pField) = static_cast<std::uint8_t>(nStored); break;
    }
}

// Inches are stored in thousandths truncated toward zero. The millionth
// forgives the binary rounding of the value read (4007 reads as
// 4.00699999...), so that a value survives any number of round trips.
int StoredValue(const PrintSettings& print, const PrintField& field)
{
    const char* pField = reinterpret_cast<const char*>(&print) + field.offset;
    switch (field.kind)
    {
    case FieldKind::Inches:
    {
        const double thousandths = *reinterpret_cast<const double*>(pField) * 1000.0;
        return static_cast<int>(std::trunc(thousandths + std::copysign(1e-6, thousandths)));
    }
    case FieldKind::Int: return *reinterpret_cast<const std::int32_t*>(pField);
    case FieldKind::Byte: return *reinterpret_cast<const std::uint8_t*>(pField);
    }
    return 0;
}

void SetDefaultFontFace(PrintSettings& print)
{
    CString face;
    face.LoadString(IDS_PRINT_FONT_FACE);
    ::lstrcpynA(print.FontFace, face, sizeof print.FontFace);
}
}  // namespace

CAppSettings::CAppSettings() : m_print(), m_system(), m_nVersion(s_nSettingsVersion)
{
    m_system.Version = s_nSettingsVersion;
    m_system.Units = 3;
    m_system.Fractional = 0;
    m_system.SeasoningRatio = 150;
    m_system.ScaleRanging = 1;
    m_system.Sound = 1;
    m_system.Status = 1;

    LoadPrintSettings();
    if (!IsPrintFontValid())
        ResetPrintFont();
}

CAppSettings::~CAppSettings()
{
    SavePrintSettings();
}

void CAppSettings::LoadPrintSettings()
{
    CSettingsFile settings;
    settings.SetSection(IDS_SECTION_PRINTER_INFO);
    for (const PrintField& field : s_printFields)
    {
        int nStored = settings.GetInt(field.nKeyId, field.nDefault);
        if (nStored < field.nMin || nStored > field.nMax)
            nStored = field.nDefault;
        SetField(m_print, field, nStored);
    }
    CString defaultFace;
    defaultFace.LoadString(IDS_PRINT_FONT_FACE);
    CString face;
    settings.GetString(IDS_KEY_FONT_FACE, face, sizeof m_print.FontFace, defaultFace);
    ::lstrcpynA(m_print.FontFace, face, sizeof m_print.FontFace);
}

void CAppSettings::SavePrintSettings()
{
    CSettingsFile settings;
    settings.SetSection(IDS_SECTION_PRINTER_INFO);
    for (const PrintField& field : s_printFields)
        settings.WriteInt(field.nKeyId, StoredValue(m_print, field));
    settings.WriteString(IDS_KEY_FONT_FACE, m_print.FontFace);
    settings.WriteInt(IDS_KEY_EXTRA, m_print.Extra);
}

BOOL CAppSettings::IsPrintFontValid() const
{
    // A hand-edited file can hold any number; GDI fonts beyond these bounds
    // are of no use on a page.
    return m_print.FontHeight >= s_nMinFontHeight && m_print.FontHeight <= s_nMaxFontHeight &&
           std::abs(m_print.FontWidth) <= s_nMaxFontWidth && m_print.FontWeight >= 0 &&
           m_print.FontWeight <= s_nMaxFontWeight;
}

void CAppSettings::ResetPrintFont()
{
    for (const PrintField& field : s_printFields)
        if (IsFontField(field))
            SetField(m_print, field, field.nDefault);
    SetDefaultFontFace(m_print);
}

CStringArray& CAppSettings::GetMealNames()
{
    if (m_mealNames.IsEmpty())
        for (const char* pszName : s_mealNames)
            m_mealNames.Add(pszName);
    return m_mealNames;
}

void CAppSettings::BeepIfSoundOn(UINT nType) const
{
    if (m_system.Sound)
        ::MessageBeep(nType);
}
