#pragma once

#include "printing/ReportJob.h"

class CIngData;
class CString;

// Writes recipes in the MasterCook II text layout.
class CMasterCookWriter : public CReportJob
{
public:
    explicit CMasterCookWriter(CPageFormatter* pOutput);

    int WriteRecipe(CRecipeData* pRecipe, PrintPrefs* pPrefs) override;

private:
    // Every line goes out without its trailing blanks.
    void WriteTrimmed(const CString& text);
    void WriteHeader(const CRecipeData& recipe);
    void WriteCategories(const CRecipeData& recipe);
    void WriteIngredient(const CIngData& line);
    void WriteClosing(const CRecipeData& recipe);
};
