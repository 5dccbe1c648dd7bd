#pragma once

#include <memory>

#include "printing/LineFormat.h"

class CPageFormatter;
struct PrintPrefs;
struct PrintSettings;
class CRecipeData;

// The base of every print job and export writer: writes logical lines onto a formatter it
// borrows (whoever opens the output creates and deletes it), builds line formats and keeps the
// print options. Every line is written only while the output reports no abort.
class CReportJob
{
public:
    static const int SecondBufferSize = 2000;
    static const int LineTextSize = 200;

    CReportJob(CPageFormatter* pOutput, int nLineBufferSize);
    // Virtual: the export driver deletes its writer through the base.
    virtual ~CReportJob();
    CReportJob(const CReportJob&) = delete;
    CReportJob& operator=(const CReportJob&) = delete;

    virtual int Prepare();
    virtual int WriteRecipe(CRecipeData* pRecipe, PrintPrefs* pPrefs);
    virtual int Run();

    int IsValid() const { return m_status; }
    char* GetSecondBuffer() { return m_secondBuffer.get(); }

    void WriteLine(const char* pszText, int nBlankLines);
    // 0 takes the job's default count; a negative count writes nothing.
    void WriteBlankLines(int nCount);
    // One line per piece between CR and LF runs; an empty text is written once as it is.
    void WriteTextLines(const char* pszText);
    int SetLineFormat(int nFlags, int nMode, int nIndent, int nSizePercent, int nStyle, int nWide, int nExtra);
    void LoadPrintOptions(PrintPrefs* pPrefs);

protected:
    // Formats a line of any length and writes it with WriteLine.
    void WriteFormatted(const char* pszFormat, ...) __attribute__((format(gnu_printf, 2, 3)));

    int m_status;
    char m_lineText[LineTextSize];
    int m_ingredientIndent;
    PrintSettings* m_pPrintRecord;
    int m_currentMode;
    int m_recipeTemplate;
    int m_optionA;
    int m_optionB;
    int m_optionC;
    int m_optionD;
    int m_servingsOverrideOn;
    int m_servingsOverride;
    int m_blankLinesAfter;
    CPageFormatter* m_pOutput;
    PrintPrefs* m_pPrintPrefs;
    int m_lineBufferSize;
    int m_secondBufferSize;
    std::unique_ptr<char[]> m_lineBuffer;
    std::unique_ptr<char[]> m_secondBuffer;
};
