#pragma once

#include <fstream>
#include <string>
#include <vector>

#include "exchange/RecipeImporter.h"

// The base of the importers of text files. The file is read in binary: a line feed ends a
// line and a carriage return before it is not part of it; a line of any length is read whole
// and counts as one physical line. Each listed title keeps the byte offset just behind its
// title line and that line's number, so that any recipe can be read again on its own.
class CTextFileImporter : public CRecipeImporter
{
public:
    CTextFileImporter();
    ~CTextFileImporter() override;

    int Open(const char* pszPath) override;
    // The first recipe of that title. A title not listed fails with a status.
    int ImportByTitle(const CString& title, CRecipeData& recipe) override;
    int Rewind() override;
    int ImportNext(CRecipeData& recipe) override;
    int ImportByIndex(int index, CRecipeData& recipe) override;

protected:
    // Reads the recipe whose title line ends just before the stream's position; 1 when read.
    virtual int ImportAt(CRecipeData& recipe) = 0;
    // Runs before any recipe is read.
    virtual void PrepareImport() {}

    // 0 at the end of the file.
    int ReadRawLine(std::string& line);
    // The next line that is not blank; 0 at the end of the file.
    int ReadLine(std::string& line);
    // One character, counting the lines it passes; EOF at the end.
    int ReadChar();
    int AtEnd();
    void SeekTo(std::streamoff offset);
    std::streamoff Offset() const { return m_offset; }
    long LineNumber() const { return m_lineNumber; }
    int HasTitles() const { return m_titles.GetSize() > 0; }
    void AddTitle(const CString& title);
    void ClearTitles();
    // Damage met in a recipe that is imported all the same.
    void ReportDamage(UINT textId);
    // Ends a scan: status 1 when nothing was listed. Returns the count.
    int FinishScan();
    using LineTest = bool (*)(const std::string& line);
    using TitleReader = std::string (*)(const std::string& line);
    // A scan for the formats whose title stands on the second line below the line that opens
    // a recipe; an empty title is not listed.
    int ScanTitlesBelowOpeners(LineTest opensRecipe, TitleReader readTitle);

    std::ifstream m_file;

private:
    CString m_path;
    std::streamoff m_offset;
    long m_lineNumber;
    std::vector<std::streamoff> m_positions;
    std::vector<long> m_titleLines;
    CString m_currentTitle;
};

// Text and line helpers shared by the text formats.
std::string TrimRightBlanks(const std::string& text);
std::string TrimBlanks(const std::string& text);
bool StartsWith(const std::string& text, const char* pszPrefix);
bool Contains(const std::string& text, const char* pszPart);
// The decimal number that starts at the first digit from the offset on; 0 when there is none.
long FirstNumber(const std::string& text, std::size_t nFrom);
// The text without the line ends and blank lines at its end.
std::string TrimLineEnds(const std::string& text);
