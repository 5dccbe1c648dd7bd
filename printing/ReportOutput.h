#pragma once

#include <memory>

class CPageFormatter;
class CPrinterOutput;
class CPrintInfo;

// The outputs a print driver writes on. Report jobs only borrow them; closing one ends its
// printed document or its file.

// The printer with a document of its own, or the print file (RTF when the export format is 1,
// else plain text) when print to file is on. Null when the file cannot be opened (the user is
// told) or the printer document cannot start.
std::unique_ptr<CPageFormatter> OpenReportOutput(const char* pszDocumentName);
int CloseReportOutput(std::unique_ptr<CPageFormatter> output, int nResult);

// An output on the DC of a framework print job; it records itself in the job, which keeps it
// after the close so that the job's page painting can replay the stored lines.
CPrinterOutput* OpenPrintJobOutput(CPrintInfo* pInfo);
int ClosePrintJobOutput(CPrinterOutput* pOutput, int nResult);
