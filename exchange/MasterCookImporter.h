#pragma once

#include <string>

#include "exchange/TextFileImporter.h"

// Reads MasterCook text (.mxp). Recipes are filed under the category "MasterCook Import".
class CMasterCookImporter : public CTextFileImporter
{
public:
    CMasterCookImporter();
    ~CMasterCookImporter() override;

    int CheckHeader() override;
    int ScanTitles() override;

protected:
    int ImportAt(CRecipeData& recipe) override;

private:
    // Where the amount, measure and ingredient columns lie, from the dashes under their heads.
    struct Columns
    {
        std::size_t amountEnd;
        std::size_t unitStart;
        std::size_t unitEnd;
        std::size_t nameStart;
    };

    static bool IsBanner(const std::string& line);
    static bool ReadColumns(const std::string& dashes, Columns& columns);
    bool ReadServingsAndTime(CRecipeData& recipe, std::string& line);
    bool ReadCategories(CRecipeData& recipe);
    void AddCategories(CRecipeData& recipe, const std::string& text);
    bool ReadColumnHeads(Columns& columns);
    void ReadIngredients(CRecipeData& recipe, const Columns& columns);
    void ReadDirections(CRecipeData& recipe);
};
