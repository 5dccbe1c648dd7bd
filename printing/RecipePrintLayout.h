#pragma once

#include "printing/ReportJob.h"

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

private:
    CRecipeData* m_pRecipe;
};
