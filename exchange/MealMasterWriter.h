#pragma once

#include <string>

#include "printing/ReportJob.h"

class CIngData;
class CString;

// Writes recipes as Meal-Master text.
class CMealMasterWriter : public CReportJob
{
public:
    explicit CMealMasterWriter(CPageFormatter* pOutput);

    int WriteRecipe(CRecipeData* pRecipe, PrintPrefs* pPrefs) override;

private:
    void WriteHeader(const CRecipeData& recipe);
    void WriteCategories(const CRecipeData& recipe);
    void WriteIngredient(const CIngData& line);
    void WriteHeading(const CString& text);
};
