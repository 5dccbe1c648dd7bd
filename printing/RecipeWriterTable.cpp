#include "printing/RecipeWriterTable.h"

#include "printing/ReportJob.h"
#include "shell/settings/WindowPlacement.h"

namespace {

using RecipeWriterMaker = std::unique_ptr<CReportJob> (*)(CPageFormatter* pOutput);

struct WriterEntry
{
    int Format;
    RecipeWriterMaker Make;
};

// The text formats write the print layout as plain text until their writers join the table.
const WriterEntry kWriters[] = {
    {kPrintMasterCook, nullptr},
    {kPrintMm, nullptr},
    {kPrintTagged, nullptr},
};

}  // namespace

std::unique_ptr<CReportJob> MakeFormatWriter(int nFormat, CPageFormatter* pOutput)
{
    for (const WriterEntry& entry : kWriters)
        if (entry.Format == nFormat && entry.Make != nullptr)
            return entry.Make(pOutput);
    return nullptr;
}
