#pragma once

#include <vector>

#include "printing/ReportJob.h"

class CString;

// Writes one recipe in one of the eight printing templates of the print record, or in the
// fixed layout of the recipe view.
class CRecipePrintLayout : public CReportJob
{
public:
    explicit CRecipePrintLayout(CPageFormatter* pOutput);

    // 1 for a null recipe or an aborted output (nothing written), else 0.
    int WriteRecipe(CRecipeData* pRecipe, PrintPrefs* pPrefs) override;
    // 1 always; nothing written for a null recipe.
    int WriteRecipeView(CRecipeData* pRecipe, PrintPrefs* pPrefs);

    // One section of a layout with its emphasis, paragraph mode and style.
    struct SectionLayout;

private:
    void WriteSections(const std::vector<SectionLayout>& sections, int nHangingIndent);
    // false when the section had nothing to write.
    bool WriteSection(int nSection);
    bool WriteIfNotEmpty(const char* pszFormat, const CString& text);
    void WriteServings();
    bool WriteCategories();
    void WriteTimings();
    bool WriteCost();
    bool WriteIngredients();
    // Source, page and date, and the source note.
    bool WriteSource();
    bool WriteNutrition();

    CRecipeData* m_pRecipe;
};
