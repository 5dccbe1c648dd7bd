#include "printing/ExportDriver.h"

#include <memory>

#include "database/CookbookDatabase.h"
#include "database/ListItem.h"
#include "database/RecipeData.h"
#include "framework/ObArray.h"
#include "printing/PageFormatter.h"
#include "printing/PrintedRecipeLoad.h"
#include "printing/RecipePrintLayout.h"
#include "printing/RecipeWriterTable.h"
#include "printing/ReportOutput.h"
#include "res/resource.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/services/ProgressDlg.h"
#include "shell/settings/WindowPlacement.h"

namespace {

const BYTE kExportLoadFlags = 63;

// Non-zero when the user asked to stop.
int ShowProgress(CProgressDlg* pProgress, const CString& text, int nLine)
{
    return pProgress != nullptr ? pProgress->SetMessage(text, nLine) : 0;
}

CString LoadText(UINT nId)
{
    CString text;
    text.LoadString(nId);
    return text;
}

std::unique_ptr<CReportJob> MakeWriter(int nFormat, CPageFormatter* pOutput)
{
    std::unique_ptr<CReportJob> writer = MakeFormatWriter(nFormat, pOutput);
    if (writer == nullptr)
        writer = std::make_unique<CRecipePrintLayout>(pOutput);
    return writer;
}

bool ShowReading(CProgressDlg* pProgress, const CListItem& item)
{
    return ShowProgress(pProgress, LoadText(IDS_EXPORTING) + item.m_name, 1) != 0 ||
           ShowProgress(pProgress, LoadText(IDS_READING_RECIPE), 2) != 0;
}

}  // namespace

int WriteRecipeList(CPageFormatter& output, int nFormat, const CObArray& recipes, CProgressDlg* pProgress,
                    int& nWritten)
{
    std::unique_ptr<CReportJob> writer = MakeWriter(nFormat, &output);
    CCookbookDatabase* pDatabase = GetCurrentDatabase();
    int nResult = 0;
    nWritten = 0;
    for (INT_PTR i = 0; i < recipes.GetSize(); ++i)
    {
        const auto& item = *static_cast<const CListItem*>(recipes.GetAt(i));
        if (ShowReading(pProgress, item))
            break;
        CRecipeData recipe;
        if (!LoadPrintedRecipe(recipe, item.m_id, kExportLoadFlags))
            continue;
        if (nFormat == kPrintTagged)
            pDatabase->ComputeRecipeNutrition(recipe, TRUE, FALSE);
        ShowProgress(pProgress, LoadText(IDS_WRITING_RECIPE), 2);
        nResult = writer->WriteRecipe(&recipe, nullptr);
        if (nResult != 0 || output.IsAborted())
            break;
        ++nWritten;
    }
    return nResult;
}

int ExportRecipeList(const CObArray& recipes, CProgressDlg* pProgress)
{
    std::unique_ptr<CPageFormatter> output = OpenReportOutput("recipes");
    if (output == nullptr)
        return 0;
    if (recipes.GetSize() == 0)
        return CloseReportOutput(std::move(output), 1);
    int nWritten = 0;
    const int nResult = WriteRecipeList(*output, GetPrintOutputKind(), recipes, pProgress, nWritten);
    return CloseReportOutput(std::move(output), nResult == 0 ? 1 : 0);
}
