#include "printing/PrinterOutput.h"

#include <windows.h>

#include <algorithm>
#include <string>

#include "framework/PrintInfo.h"
#include "printing/PrintAbortDlg.h"

namespace {

// Blanks after a tab would push the field past its stop; a final tab leads nowhere.
std::string CleanTabs(const char* pszText)
{
    std::string text;
    for (const char* p = pszText; *p != '\0'; ++p)
    {
        text += *p;
        if (*p == '\t')
            while (p[1] == ' ')
                ++p;
    }
    if (!text.empty() && text.back() == '\t')
        text.pop_back();
    return text;
}

}  // namespace

CPrinterOutput::CPrinterOutput(const char* pszDocumentName) : m_engine(pszDocumentName), m_hBorrowedDC(nullptr)
{
    m_paged = 1;
    m_engine.SetMode(CLayoutEngine::PrinterMode);
    m_engine.BeginDocument(pszDocumentName, nullptr, nullptr, 0);
}

CPrinterOutput::CPrinterOutput(CPrintInfo* pInfo) : m_engine(), m_hBorrowedDC(pInfo->m_hDC)
{
    m_paged = 1;
    pInfo->m_lpUserData = this;
    m_engine.SetMode(CLayoutEngine::StoreMode);
    m_engine.BeginDocument(nullptr, nullptr, m_hBorrowedDC, 0);
}

CPrinterOutput::~CPrinterOutput()
{
    if (m_hBorrowedDC == nullptr)
        m_engine.EndDocument(0);
}

void CPrinterOutput::NewPage()
{
    m_engine.NewPage(1);
}

int CPrinterOutput::WriteText(const char* pszText, const CLineFormat* pFormat)
{
    if (pFormat != nullptr)
        m_lineFormat = *pFormat;
    return WriteRaw(CleanTabs(pszText).c_str());
}

int CPrinterOutput::WriteRule(int nValue)
{
    if (m_engine.GetMode() != CLayoutEngine::StoreMode)
    {
        m_engine.DrawRule(nValue);
        return 1;
    }
    CLineFormat rule = CLineFormat::Cleared();
    rule.Mode = CLineFormat::Rule;
    rule.SizePercent = nValue;
    m_engine.LayoutText("--", rule, m_hBorrowedDC);
    return 1;
}

int CPrinterOutput::IsAborted()
{
    if (CPrintAbortDlg::IsCancelled())
        return 1;
    HWND hCancel = CPrintAbortDlg::GetCancelButton();
    if (hCancel == nullptr)
        return 0;
    MSG message;
    if (!::PeekMessageA(&message, hCancel, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_NOREMOVE))
        return 0;
    // A press on Cancel stops the document as the button itself would.
    CPrintAbortDlg::Cancel();
    return 1;
}

int CPrinterOutput::GetLinesLeft()
{
    if (m_engine.GetDC() == nullptr)
        return -1;
    int nLines = m_engine.GetLinesLeft();
    if (nLines == 0)
    {
        NewPage();
        nLines = m_engine.GetLinesLeft();
    }
    return nLines;
}

void CPrinterOutput::RecalcMargins()
{
    m_leftMargin = 0;
    m_topMargin = 0;
    // Stored lines have no page yet: they keep the formatter's own width.
    if (m_engine.GetDC() == nullptr || m_engine.GetTextAreaWidth() <= 0)
    {
        CPageFormatter::RecalcMargins();
        return;
    }
    m_textWidth = std::max(1, m_engine.GetTextAreaWidth() / m_engine.GetAverageCharWidth());
    m_usableLines = m_engine.GetUsableLines();
}

int CPrinterOutput::WriteRaw(const char* pszText)
{
    const std::string text(pszText);
    m_engine.LayoutText(text.c_str(), m_lineFormat, m_engine.GetDC());
    return 0;
}
