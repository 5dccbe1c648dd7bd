#pragma once

#include <windef.h>

#include "printing/LayoutEngine.h"
#include "printing/PageFormatter.h"

class CPrintInfo;

// The formatter that draws on a printer through the layout engine. The engine wraps in device
// units, so whole lines pass through.
class CPrinterOutput : public CPageFormatter
{
public:
    // Opens and prints a document of its own.
    explicit CPrinterOutput(const char* pszDocumentName);
    // Lays the lines of a framework print job out on the job's DC; the document stays open.
    explicit CPrinterOutput(CPrintInfo* pInfo);
    ~CPrinterOutput() override;

    void NewPage() override;
    int WriteText(const char* pszText, const CLineFormat* pFormat) override;
    int WriteRule(int nValue) override;
    int IsAborted() override;
    int GetLinesLeft() override;
    void RecalcMargins() override;
    int WriteRaw(const char* pszText) override;

    CLayoutEngine& GetEngine() { return m_engine; }
    const CLayoutEngine& GetEngine() const { return m_engine; }
    // False when no printer document could be started: nothing written would print.
    bool IsDocumentOpen() const { return m_engine.GetDC() != nullptr; }

private:
    CLayoutEngine m_engine;
    HDC m_hBorrowedDC;
};
