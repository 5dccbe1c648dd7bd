#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "database/CustObList.h"
#include "exchange/TextFileImporter.h"

// Reads Meal-Master text, in the dash layout and in the newer layout whose markers start with
// "MMMMM". Recipes are filed under the category "MealMaster Import". Text outside recipes is
// skipped.
class CMealMasterImporter : public CTextFileImporter
{
public:
    enum LineClass
    {
        kEmptyLine = 0,
        kIngredientLine = 1,
        kHeadingLine = 2,
        kTextLine = 3,
        kEndLine = 4,
        kHeaderLine = 5
    };

    CMealMasterImporter();
    ~CMealMasterImporter() override;

    static int ClassifyLine(const std::string& line);
    static bool IsHeaderLine(const std::string& line);

    int CheckHeader() override;
    int ScanTitles() override;

protected:
    int ImportAt(CRecipeData& recipe) override;

private:
    // A line cut to the longest the format knows, the cut reported.
    int ReadCutLine(std::string& line);
    int ReadCutNonBlankLine(std::string& line);
    bool ReadCategories(CRecipeData& recipe);
    // The class of the line that ended the ingredients, -1 at the end of the file.
    int ReadIngredients(CRecipeData& recipe, std::string& line);
    void ReadIngredientLine(std::string_view line, CRecipeData& recipe);
    void ReadColumn(std::string_view column, bool rightColumn, CRecipeData& recipe);
    void AddHeading(const std::string& line, CRecipeData& recipe);
    void MovePendingLines(CRecipeData& recipe);
    void FinishIngredients();
    bool ReadDirections(CRecipeData& recipe, std::string& line);

    // Right-column lines of the current block: they follow its left column.
    CCustObList m_pending;
    CIngData* m_pLastLeft;
    CIngData* m_pLastRight;
    // Lines whose text may still run on over continuation lines.
    std::vector<CIngData*> m_unfinished;
};
