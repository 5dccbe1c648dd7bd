#include "printing/ReportJob.h"

#include <cstdarg>
#include <cstring>
#include <new>
#include <string>

#include "database/PrintPrefs.h"
#include "framework/String.h"
#include "printing/PageFormatter.h"
#include "shell/settings/AppSettings.h"

namespace {

// Print-preference units of 3 print every recipe at its own servings.
const int kUnitsWithoutServingsOverride = 3;

std::unique_ptr<char[]> ZeroedBuffer(int nSize)
{
    std::unique_ptr<char[]> buffer(new (std::nothrow) char[static_cast<std::size_t>(nSize)]);
    if (buffer)
        std::memset(buffer.get(), 0, static_cast<std::size_t>(nSize));
    return buffer;
}

}  // namespace

CReportJob::CReportJob(CPageFormatter* pOutput, int nLineBufferSize)
    : m_status(1), m_lineText(), m_ingredientIndent(6), m_pPrintRecord(g_pAppSettings->GetPrintRecord()),
      m_currentMode(0), m_recipeTemplate(m_pPrintRecord->PrintTemplate), m_optionA(0), m_optionB(0), m_optionC(1),
      m_optionD(150), m_servingsOverrideOn(0), m_servingsOverride(1), m_blankLinesAfter(0), m_pOutput(pOutput),
      m_pPrintPrefs(nullptr), m_lineBufferSize(nLineBufferSize), m_secondBufferSize(SecondBufferSize),
      m_lineBuffer(ZeroedBuffer(nLineBufferSize)), m_secondBuffer(ZeroedBuffer(SecondBufferSize))
{
    if (!m_lineBuffer || !m_secondBuffer)
        m_status = 0;
}

CReportJob::~CReportJob() = default;

int CReportJob::Prepare()
{
    return 1;
}

int CReportJob::WriteRecipe(CRecipeData* /*pRecipe*/, PrintPrefs* /*pPrefs*/)
{
    return 1;
}

int CReportJob::Run()
{
    return 1;
}

void CReportJob::WriteLine(const char* pszText, int nBlankLines)
{
    if (m_pOutput->IsAborted())
        return;
    m_pOutput->WriteText(pszText, nullptr);
    if (nBlankLines != 0)
        WriteBlankLines(nBlankLines);
}

void CReportJob::WriteFormatted(const char* pszFormat, ...)
{
    CString text;
    va_list args;
    va_start(args, pszFormat);
    text.FormatV(pszFormat, args);
    va_end(args);
    WriteLine(text, 0);
}

void CReportJob::WriteBlankLines(int nCount)
{
    if (nCount == 0)
        nCount = m_blankLinesAfter;
    for (int i = 0; i < nCount; ++i)
        WriteLine("", 0);
}

void CReportJob::WriteTextLines(const char* pszText)
{
    const std::string text(pszText);
    bool wrote = false;
    std::size_t nStart = 0;
    while (nStart < text.size())
    {
        const std::size_t nBreak = text.find_first_of("\r\n", nStart);
        const std::size_t nEnd = nBreak == std::string::npos ? text.size() : nBreak;
        if (nEnd > nStart)
        {
            WriteLine(text.substr(nStart, nEnd - nStart).c_str(), 0);
            wrote = true;
        }
        nStart = nEnd + 1;
    }
    if (!wrote)
        WriteLine(pszText, 0);
}

int CReportJob::SetLineFormat(int nFlags, int nMode, int nIndent, int nSizePercent, int nStyle, int nWide, int nExtra)
{
    static const int kNarrowStops[] = {-22, 22, -30};
    static const int kWideStops[] = {-30, 31, -50};
    static const int kFurtherStops[] = {45, 50, 55, 60, 65, 70};

    CLineFormat format(nFlags, nMode, nIndent, nSizePercent);
    const int* pStops = nWide != 0 ? kWideStops : kNarrowStops;
    for (int i = 0; i < 3; ++i)
        format.TabStops[1 + i] = pStops[i];
    for (int i = 0; i < 6; ++i)
        format.TabStops[4 + i] = kFurtherStops[i];
    format.ParagraphStyle = nStyle;
    format.StyleValue = nExtra;
    m_currentMode = nMode;
    return m_pOutput->SetLineFormat(format);
}

void CReportJob::LoadPrintOptions(PrintPrefs* pPrefs)
{
    // A block handed in is a copy of the program's quantity preferences for this printout.
    const SystemSettings& system = pPrefs != nullptr ? pPrefs->System : *g_pAppSettings->GetSystemRecord();
    m_optionA = system.Units;
    m_optionB = system.Fractional;
    m_optionC = system.ScaleRanging;
    m_optionD = system.SeasoningRatio;
    m_pPrintPrefs = pPrefs;
    if (pPrefs != nullptr)
    {
        m_servingsOverrideOn = 1;
        m_servingsOverride = pPrefs->Servings;
    }
    else
    {
        m_servingsOverrideOn = g_pAppSettings->GetSystemRecord()->Units != kUnitsWithoutServingsOverride;
        m_servingsOverride = 0;
    }
}
