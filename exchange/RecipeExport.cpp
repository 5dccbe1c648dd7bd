#include "exchange/RecipeExport.h"

#include <windows.h>

#include <fstream>
#include <memory>
#include <string>

#include "database/CustObArray.h"
#include "exchange/PlainTextStream.h"
#include "exchange/RtfStream.h"
#include "printing/ExportDriver.h"
#include "shell/settings/WindowPlacement.h"

namespace {

std::unique_ptr<CPageFormatter> OpenOutput(const std::string& path, int nFormat)
{
    auto stream = std::make_unique<std::ofstream>(path, std::ios::binary | std::ios::trunc);
    if (!stream->good())
        return nullptr;
    if (nFormat == kPrintRtf)
        return std::make_unique<CRtfStream>(std::move(stream));
    return std::make_unique<CPlainTextStream>(std::move(stream), 0);
}

}  // namespace

int ExportRecipesToFile(const char* pszPath, int nFormat, const CCustObArray& items, CProgressDlg* pProgress)
{
    const std::string temporary = std::string(pszPath) + ".~tmp";
    std::unique_ptr<CPageFormatter> output = OpenOutput(temporary, nFormat);
    if (output == nullptr)
        return -1;
    int nWritten = 0;
    WriteRecipeList(*output, nFormat, items, pProgress, nWritten);
    const bool failed = output->IsAborted() != 0;
    // Closing writes what is still buffered (the RTF ending among it).
    output.reset();
    if (failed || !::MoveFileExA(temporary.c_str(), pszPath, MOVEFILE_REPLACE_EXISTING))
    {
        ::DeleteFileA(temporary.c_str());
        return -1;
    }
    return nWritten;
}
