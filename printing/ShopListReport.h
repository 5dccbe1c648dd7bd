#pragma once

#include "framework/String.h"
#include "printing/ReportJob.h"

class CCustObList;
class CIngData;

// Writes a list of ingredient lines (the ingredients of a printed recipe), scaled from the
// recipe's servings to the printed servings when the override is on.
class CShopListReport : public CReportJob
{
public:
    // The list is borrowed; nServings are the recipe's own.
    CShopListReport(CPageFormatter* pOutput, const CCustObList& lines, int nServings);

    // 0 when the list is empty, else 1.
    int WriteList(PrintPrefs* pPrefs);
    // One line of the list as it prints, ending in a line feed.
    CString FormatItemLine(const CIngData& line) const;

private:
    // The quantity and unit, each followed by a blank, and the ingredient's name as the
    // quantity wants it.
    void FormatScaled(const CIngData& line, CString& quantityAndUnit, CString& name) const;
    void FormatUnscaled(const CIngData& line, CString& quantityAndUnit, CString& name) const;

    const CCustObList& m_lines;
    int m_servings;
};
