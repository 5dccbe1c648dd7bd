#include "printing/ReportOutput.h"

#include <windows.h>

#include <fstream>

#include "exchange/PlainTextStream.h"
#include "exchange/RtfStream.h"
#include "printing/PrinterOutput.h"
#include "res/resource.h"
#include "shell/services/MessageUtilities.h"
#include "shell/settings/AppSettings.h"
#include "shell/settings/WindowPlacement.h"

namespace {

bool IsPrintToFileOn()
{
    return g_pAppSettings != nullptr && g_pAppSettings->GetPrintRecord()->PrintToFile != 0;
}

std::unique_ptr<CPageFormatter> OpenPrintFile()
{
    const char* pszName = GetPrintFileName();
    auto stream = std::make_unique<std::ofstream>(pszName, std::ios::binary | std::ios::trunc);
    if (!stream->good())
    {
        MessageBoxById(nullptr, pszName, IDS_UNABLE_TO_OPEN_FILE, MB_OK | MB_ICONEXCLAMATION);
        return nullptr;
    }
    if (GetPrintOutputKind() == kPrintRtf)
        return std::make_unique<CRtfStream>(std::move(stream));
    return std::make_unique<CPlainTextStream>(std::move(stream), 0);
}

}  // namespace

std::unique_ptr<CPageFormatter> OpenReportOutput(const char* pszDocumentName)
{
    if (IsPrintToFileOn())
        return OpenPrintFile();
    auto pPrinter = std::make_unique<CPrinterOutput>(pszDocumentName);
    // A document that did not start would swallow the job as if it had printed.
    if (!pPrinter->IsDocumentOpen())
        return nullptr;
    return pPrinter;
}

int CloseReportOutput(std::unique_ptr<CPageFormatter> output, int nResult)
{
    output.reset();
    return nResult;
}

CPrinterOutput* OpenPrintJobOutput(CPrintInfo* pInfo)
{
    return new CPrinterOutput(pInfo);
}

int ClosePrintJobOutput(CPrinterOutput* pOutput, int nResult)
{
    pOutput->GetEngine().EndDocument(0);
    return nResult;
}
