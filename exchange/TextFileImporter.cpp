#include "exchange/TextFileImporter.h"

#include <cstdlib>
#include <cstring>

#include "database/RecipeData.h"
#include "shell/services/TextUtilities.h"

namespace {

const std::size_t kTitleLength = 70;

}  // namespace

CTextFileImporter::CTextFileImporter() : m_offset(0), m_lineNumber(0) {}

CTextFileImporter::~CTextFileImporter() = default;

int CTextFileImporter::Open(const char* pszPath)
{
    ClearTitles();
    if (pszPath == nullptr)
        return 0;
    if (m_file.is_open())
        m_file.close();
    m_file.clear();
    m_file.open(pszPath, std::ios::in | std::ios::binary);
    if (!m_file.is_open())
        return 0;
    m_path = pszPath;
    SeekTo(0);
    return CheckHeader();
}

void CTextFileImporter::ClearTitles()
{
    m_titles.RemoveAll();
    m_positions.clear();
    m_titleLines.clear();
    m_cursor = 0;
}

int CTextFileImporter::ImportByTitle(const CString& title, CRecipeData& recipe)
{
    PrepareImport();
    const int nCount = ScanTitles();
    for (int i = 0; i < nCount; ++i)
        if (m_titles[i] == title)
            return ImportByIndex(i, recipe);
    SetStatus(kBadTitle);
    return 0;
}

int CTextFileImporter::Rewind()
{
    m_cursor = 0;
    return static_cast<int>(m_positions.size());
}

int CTextFileImporter::ImportNext(CRecipeData& recipe)
{
    ScanTitles();
    return ImportByIndex(m_cursor++, recipe);
}

int CTextFileImporter::ImportByIndex(int index, CRecipeData& recipe)
{
    PrepareImport();
    if (index < 0 || index >= static_cast<int>(m_positions.size()))
    {
        SetStatus(kBadTitle);
        return 0;
    }
    SetStatus(kOk);
    m_currentTitle = m_titles[index];
    recipe.m_title = m_currentTitle;
    SeekTo(m_positions[static_cast<std::size_t>(index)]);
    m_lineNumber = m_titleLines[static_cast<std::size_t>(index)];
    if (ImportAt(recipe) == 1 && GetStatus() == kOk)
        return 1;
    if (GetStatus() == kOk)
        SetStatus(kUnknownError);
    // A recipe cut short by the end of the file is found by its title.
    const long nLine = GetStatus() == kUnexpectedEnd ? m_titleLines[static_cast<std::size_t>(index)] : m_lineNumber;
    AddProblem(nLine, m_currentTitle, GetStatusText());
    return 0;
}

void CTextFileImporter::ReportDamage(UINT textId)
{
    CString text;
    text.LoadString(textId);
    AddProblem(m_lineNumber, m_currentTitle, text);
}

int CTextFileImporter::ReadRawLine(std::string& line)
{
    line.clear();
    if (!m_file.is_open() || !std::getline(m_file, line))
        return 0;
    ++m_lineNumber;
    m_offset += static_cast<std::streamoff>(line.size()) + (m_file.eof() ? 0 : 1);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return 1;
}

int CTextFileImporter::ReadLine(std::string& line)
{
    while (ReadRawLine(line))
        if (!IsBlank(line.c_str()))
            return 1;
    return 0;
}

int CTextFileImporter::ReadChar()
{
    const int c = m_file.get();
    if (c == std::char_traits<char>::eof())
        return c;
    ++m_offset;
    if (c == '\n')
        ++m_lineNumber;
    return c;
}

int CTextFileImporter::AtEnd()
{
    return !m_file.is_open() || m_file.peek() == std::char_traits<char>::eof();
}

void CTextFileImporter::SeekTo(std::streamoff offset)
{
    // Recipes are mostly read in file order: reading on to the next one keeps what the file
    // has buffered, where a seek would drop it and read it again.
    const std::streamoff kShortestSeek = 4096;
    if (m_file.good() && offset >= m_offset && offset - m_offset < kShortestSeek)
        m_file.ignore(offset - m_offset);
    else
    {
        m_file.clear();
        m_file.seekg(offset);
    }
    m_offset = offset;
    if (offset == 0)
        m_lineNumber = 0;
}

void CTextFileImporter::AddTitle(const CString& title)
{
    m_titles.Add(title);
    m_positions.push_back(m_offset);
    m_titleLines.push_back(m_lineNumber);
}

int CTextFileImporter::FinishScan()
{
    SetStatus(m_titles.GetSize() == 0 ? kWrongType : kOk);
    return m_titles.GetSize();
}

int CTextFileImporter::ScanTitlesBelowOpeners(LineTest opensRecipe, TitleReader readTitle)
{
    if (HasTitles())
        return m_titles.GetSize();
    if (!m_file.is_open())
        return 0;
    SeekTo(0);
    std::string line;
    bool haveLine = ReadRawLine(line);
    while (haveLine)
    {
        if (!opensRecipe(line))
        {
            haveLine = ReadRawLine(line);
            continue;
        }
        if (!ReadRawLine(line) || !ReadRawLine(line))
            break;
        const std::string title = readTitle(line).substr(0, kTitleLength);
        if (!title.empty())
            AddTitle(title.c_str());
        // The line in the title's place may open the next recipe.
        if (!opensRecipe(line))
            haveLine = ReadRawLine(line);
    }
    return FinishScan();
}

std::string TrimRightBlanks(const std::string& text)
{
    const std::size_t nEnd = text.find_last_not_of(' ');
    return nEnd == std::string::npos ? std::string() : text.substr(0, nEnd + 1);
}

std::string TrimBlanks(const std::string& text)
{
    const std::size_t nStart = text.find_first_not_of(' ');
    return nStart == std::string::npos ? std::string() : TrimRightBlanks(text.substr(nStart));
}

bool StartsWith(const std::string& text, const char* pszPrefix)
{
    return text.compare(0, std::strlen(pszPrefix), pszPrefix) == 0;
}

bool Contains(const std::string& text, const char* pszPart)
{
    return text.find(pszPart) != std::string::npos;
}

long FirstNumber(const std::string& text, std::size_t nFrom)
{
    const std::size_t nDigit = text.find_first_of("0123456789", nFrom);
    return nDigit == std::string::npos ? 0 : std::strtol(text.c_str() + nDigit, nullptr, 10);
}

std::string TrimLineEnds(const std::string& text)
{
    const std::size_t nEnd = text.find_last_not_of("\r\n");
    return nEnd == std::string::npos ? std::string() : text.substr(0, nEnd + 1);
}
