#include "exchange/MealMasterUnits.h"

#include <cctype>
#include <cstring>
#include <string>

namespace {

struct UnitCode
{
    const char* code;
    const char* word;
};

const UnitCode kUnitCodes[] = {
    {"x ", "per serving"}, {"fl", "fluid ounce"}, {"sm", "small"},      {"c ", "cup"},      {"md", "medium"},
    {"pt", "pint"},        {"lg", "large"},       {"qt", "quart"},      {"cn", "can"},      {"ga", "gallon"},
    {"pk", "package"},     {"oz", "ounce"},       {"pn", "pinch"},      {"lb", "pound"},    {"dr", "drop"},
    {"ml", "milliliter"},  {"ds", "dash"},        {"cc", "cubic cm"},   {"ct", "carton"},   {"cl", "centiliter"},
    {"bn", "bunch"},       {"dl", "deciliter"},   {"sl", "slice"},      {"l ", "liter"},    {"ea", "each"},
    {"mg", "milligram"},   {"t ", "teaspoon"},    {"cg", "centigram"},  {"ts", "teaspoon"}, {"dg", "decigram"},
    {"T ", "tablespoon"},  {"g ", "gram"},        {"tb", "tablespoon"}, {"kg", "kilogram"},
};

const char kNoCode[] = "  ";

}  // namespace

const char* FindMealMasterUnitWord(const char* pszCode)
{
    for (const UnitCode& unit : kUnitCodes)
        if (std::strcmp(unit.code, pszCode) == 0)
            return unit.word;
    return nullptr;
}

const char* FindMealMasterUnitCode(const char* pszUnitText)
{
    std::string text(pszUnitText);
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const UnitCode* pBest = nullptr;
    for (const UnitCode& unit : kUnitCodes)
        if (text.find(unit.word) != std::string::npos &&
            (pBest == nullptr || std::strlen(unit.word) > std::strlen(pBest->word)))
            pBest = &unit;
    return pBest != nullptr ? pBest->code : kNoCode;
}
