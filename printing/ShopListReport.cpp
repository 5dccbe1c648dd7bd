#include "printing/ShopListReport.h"

#include "database/CustObList.h"
#include "database/IngData.h"
#include "database/QuantityScaler.h"
#include "database/QuantityText.h"
#include "shell/services/TextUtilities.h"

namespace {

const int kLineBufferSize = 2000;
const int kQuantityTextSize = 50;
const char kIngredientLine[] = "I";
const char kRecipeLine[] = "R";

CString WithTrailingBlank(const CString& text)
{
    return text.IsEmpty() ? text : text + " ";
}

CString NamePart(const CIngData& line, const CString& name)
{
    CString part = name;
    if (line.m_lineType == kRecipeLine)
        part.MakeUpper();
    if (line.m_preparation.IsEmpty())
        return part;
    if (line.m_switch != 0)
        return line.m_preparation + " " + part;
    return part.IsEmpty() ? line.m_preparation : part + ", " + line.m_preparation;
}

}  // namespace

CShopListReport::CShopListReport(CPageFormatter* pOutput, const CCustObList& lines, int nServings)
    : CReportJob(pOutput, kLineBufferSize), m_lines(lines), m_servings(nServings)
{
}

int CShopListReport::WriteList(PrintPrefs* pPrefs)
{
    if (m_lines.IsEmpty())
        return 0;
    LoadPrintOptions(pPrefs);
    for (POSITION at = m_lines.GetHeadPosition(); at != nullptr;)
        WriteLine(FormatItemLine(*static_cast<const CIngData*>(m_lines.GetNext(at))), 0);
    return 1;
}

CString CShopListReport::FormatItemLine(const CIngData& line) const
{
    CString quantityAndUnit;
    CString name;
    if (m_servingsOverrideOn)
        FormatScaled(line, quantityAndUnit, name);
    else
        FormatUnscaled(line, quantityAndUnit, name);
    CString text = quantityAndUnit + NamePart(line, name);
    if (line.m_optional != 0)
        text += ", (optional)";
    return text + "\n";
}

void CShopListReport::FormatScaled(const CIngData& line, CString& quantityAndUnit, CString& name) const
{
    const double factor =
        m_servingsOverride != 0 && m_servings != 0 ? static_cast<double>(m_servingsOverride) / m_servings : 1.0;
    CQuantityScaler scaler(m_optionA, m_optionB, m_optionC, m_optionD);
    scaler.Load(line, factor);
    CString unit = scaler.GetUnitText();
    name = line.m_name;
    if (line.m_lineType == kIngredientLine)
    {
        double low = 0.0;
        double high = 0.0;
        ParseQuantityRange(scaler.GetQuantityText(), low, high);
        ApplyPluralParentheses(unit, high);
        name = scaler.GetIngredientText();
    }
    quantityAndUnit = WithTrailingBlank(scaler.GetQuantityText()) + WithTrailingBlank(unit);
}

void CShopListReport::FormatUnscaled(const CIngData& line, CString& quantityAndUnit, CString& name) const
{
    char quantity[kQuantityTextSize];
    FormatQuantityRange(quantity, sizeof quantity, m_optionB, line.m_minQty, line.m_maxQty, false);
    CString unit = line.m_unitText;
    name = line.m_name;
    if (line.m_lineType == kIngredientLine)
    {
        const double high = line.m_maxQty > line.m_minQty ? line.m_maxQty : line.m_minQty;
        ApplyPluralParentheses(unit, high);
        name = PluralizeUnit(line.m_name, high, line.m_plural, 0);
    }
    quantityAndUnit = WithTrailingBlank(quantity) + WithTrailingBlank(unit);
}
