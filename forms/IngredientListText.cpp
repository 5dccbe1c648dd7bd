#include "forms/IngredientListText.h"

#include "database/CustObList.h"
#include "printing/ShopListReport.h"

CString IngredientListText(const CIngData& line, int nServings)
{
    const CCustObList noLines;
    const CShopListReport report(nullptr, noLines, nServings);
    CString text = report.FormatItemLine(line);
    const int tab = text.Find('\t');
    if (tab >= 0)
        text.SetAt(tab, ' ');
    const int lineFeed = text.Find('\n');
    return lineFeed >= 0 ? text.Left(lineFeed) : text;
}
