#include "printing/ScreenLineList.h"

int CScreenLineList::WriteSpacerLine()
{
    m_lines.push_back(std::make_unique<CScreenLine>(" ", CScreenLine::kSpacer, 0));
    return 1;
}

int CScreenLineList::WriteText(const char* pszText, const CLineFormat* pFormat)
{
    if (pFormat != nullptr)
        SetLineFormat(*pFormat);
    const CLineFormat& format = GetLineFormat();
    m_lines.push_back(
        std::make_unique<CScreenLine>(pszText != nullptr ? pszText : "", format.ParagraphStyle, format.StyleValue));
    return 1;
}

int CScreenLineList::WriteRule(int /*nValue*/)
{
    m_lines.push_back(std::make_unique<CScreenLine>("__", CScreenLine::kRule, 0));
    return 1;
}
