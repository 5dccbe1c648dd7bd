#pragma once

#include <string>

#include "printing/ReportJob.h"

class CIngData;
class CString;
class NUTRITION;

// Writes recipes as tagged recipe text, one record per recipe.
class CTaggedTextWriter : public CReportJob
{
public:
    explicit CTaggedTextWriter(CPageFormatter* pOutput);

    int WriteRecipe(CRecipeData* pRecipe, PrintPrefs* pPrefs) override;

private:
    // A value that breaks lines or is long stands on a line of its own.
    void WriteTextField(int nTag, const CString& value);
    void WriteFieldLine(int nTag, const std::string& fields);
    void WriteTagAlone(int nTag);
    void WriteHeader(const CRecipeData& recipe);
    void WriteCategories(const CRecipeData& recipe);
    void WriteIngredient(CIngData& line);
    void WriteNutrition(int nTag, const NUTRITION& profile);
    void WriteReferences(const CRecipeData& recipe);
};
