#pragma once

#include "printing/ReportJob.h"

class CRecipeList;
class NUTRITION;

// Writes the Specials list: its heading and one hot spot per recipe, with the summed
// nutrition of its recipes when the print record asks for it.
class CSpecialsReport : public CReportJob
{
public:
    explicit CSpecialsReport(CPageFormatter* pOutput);

    void WriteSpecials(const CRecipeList& list, PrintPrefs* pPrefs);
    void WriteSpecialsWithNutrition(const CRecipeList& list, PrintPrefs* pPrefs);
    // The nutrition of every entry of the list together.
    static NUTRITION SumNutrition(const CRecipeList& list);

private:
    void WriteBody(const CRecipeList& list);
    void WriteSummedNutrition(const CRecipeList& list);
};
