#include "printing/RecipeWriterTable.h"

#include "exchange/MasterCookWriter.h"
#include "exchange/MealMasterWriter.h"
#include "exchange/TaggedTextWriter.h"
#include "printing/ReportJob.h"
#include "shell/settings/WindowPlacement.h"

namespace {

using RecipeWriterMaker = std::unique_ptr<CReportJob> (*)(CPageFormatter* pOutput);

struct WriterEntry
{
    int Format;
    RecipeWriterMaker Make;
};

template <class Writer>
std::unique_ptr<CReportJob> MakeWriter(CPageFormatter* pOutput)
{
    return std::make_unique<Writer>(pOutput);
}

const WriterEntry kWriters[] = {
    {kPrintMasterCook, MakeWriter<CMasterCookWriter>},
    {kPrintMm, MakeWriter<CMealMasterWriter>},
    {kPrintTagged, MakeWriter<CTaggedTextWriter>},
};

}  // namespace

std::unique_ptr<CReportJob> MakeFormatWriter(int nFormat, CPageFormatter* pOutput)
{
    for (const WriterEntry& entry : kWriters)
        if (entry.Format == nFormat && entry.Make != nullptr)
            return entry.Make(pOutput);
    return nullptr;
}
