#pragma once
// A printer of the test's own, with the prefix printer's driver, whose port is a file: a
// plain print lands there as PostScript. It is the default printer while it exists.
#include <windows.h>
#include <winspool.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "framework/HostPath.h"
#include "framework/String.h"

namespace testprinter {

const char kDriverName[] = "Savorum PostScript";

class CTestPrinter
{
public:
    // The driver reads its paper once per process: it is chosen here, by its PPD name.
    CTestPrinter(const std::string& name, const std::string& outputFile, const char* pszPaper = "Letter")
        : m_name(name), m_outputFile(outputFile)
    {
        char previous[256];
        DWORD cch = sizeof previous;
        if (::GetDefaultPrinterA(previous, &cch))
            m_previousDefault = previous;
        // Wine writes over an old file without truncating it.
        ::DeleteFileA(outputFile.c_str());
        PRINTER_INFO_2A info = {};
        info.pPrinterName = const_cast<char*>(m_name.c_str());
        info.pPortName = const_cast<char*>(m_outputFile.c_str());
        info.pDriverName = const_cast<char*>(kDriverName);
        info.pPrintProcessor = const_cast<char*>("winprint");
        info.pDatatype = const_cast<char*>("RAW");
        info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
        m_hPrinter = ::AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&info));
        if (m_hPrinter == nullptr)
            return;
        char* paper = const_cast<char*>(pszPaper);
        ::SetPrinterDataExA(m_hPrinter, const_cast<char*>("PPD Overrides"), const_cast<char*>("DefaultPageSize"),
                            REG_SZ, reinterpret_cast<BYTE*>(paper), static_cast<DWORD>(std::strlen(pszPaper) + 1));
        ::SetDefaultPrinterA(m_name.c_str());
    }
    ~CTestPrinter()
    {
        if (m_hPrinter == nullptr)
            return;
        ::DeletePrinter(m_hPrinter);
        ::ClosePrinter(m_hPrinter);
        if (!m_previousDefault.empty())
            ::SetDefaultPrinterA(m_previousDefault.c_str());
    }
    CTestPrinter(const CTestPrinter&) = delete;
    CTestPrinter& operator=(const CTestPrinter&) = delete;

    bool IsReady() const { return m_hPrinter != nullptr; }
    const std::string& Name() const { return m_name; }
    const std::string& OutputFile() const { return m_outputFile; }
    void DeleteOutput() const { ::DeleteFileA(m_outputFile.c_str()); }

    // A DC on the printer, in landscape when asked.
    HDC CreateDC(bool landscape) const
    {
        HANDLE hPrinter = nullptr;
        if (!::OpenPrinterA(const_cast<char*>(m_name.c_str()), &hPrinter, nullptr))
            return nullptr;
        const LONG cb =
            ::DocumentPropertiesA(nullptr, hPrinter, const_cast<char*>(m_name.c_str()), nullptr, nullptr, 0);
        std::vector<char> buffer(static_cast<std::size_t>(cb > 0 ? cb : sizeof(DEVMODEA)));
        DEVMODEA* pMode = reinterpret_cast<DEVMODEA*>(buffer.data());
        ::DocumentPropertiesA(nullptr, hPrinter, const_cast<char*>(m_name.c_str()), pMode, nullptr, DM_OUT_BUFFER);
        ::ClosePrinter(hPrinter);
        pMode->dmFields |= DM_ORIENTATION;
        pMode->dmOrientation = landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
        return ::CreateDCA("WINSPOOL", m_name.c_str(), nullptr, pMode);
    }

private:
    std::string m_name;
    std::string m_outputFile;
    std::string m_previousDefault;
    HANDLE m_hPrinter = nullptr;
};

inline std::string ReadBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

inline int CountPages(const std::string& postScript)
{
    int n = 0;
    std::istringstream lines(postScript);
    for (std::string line; std::getline(lines, line);)
        if (line.rfind("%%Page:", 0) == 0)
            ++n;
    return n;
}

inline std::string HostPath(const std::string& windowsPath)
{
    CString host;
    return CHostPath::Convert(windowsPath.c_str(), host) ? std::string(static_cast<LPCSTR>(host)) : std::string();
}

// The driver turns a landscape page by -90 degrees on portrait paper, and text read from it
// comes out a letter a line: the copy keeps the page upright on landscape paper instead.
inline void WriteUpright(const std::string& landscapeFile, const std::string& uprightFile)
{
    std::string ps = ReadBytes(landscapeFile);
    const std::size_t nSize = ps.find("/PageSize[");
    const std::size_t nRotate = ps.find("-90 rotate\n");
    const std::size_t nTranslate = ps.rfind(" translate\n", nRotate);
    if (nSize == std::string::npos || nRotate == std::string::npos || nTranslate == std::string::npos)
        return;
    int nWidth = 0, nHeight = 0;
    std::sscanf(ps.c_str() + nSize, "/PageSize[%d %d]", &nWidth, &nHeight);
    ps.erase(nRotate, std::strlen("-90 rotate\n"));
    const std::size_t nLineStart = ps.rfind('\n', nTranslate) + 1;
    int x = 0, y = 0;
    std::sscanf(ps.c_str() + nLineStart, "%d %d", &x, &y);
    // Device units are 1/300 inch; the page is now as tall as the paper was wide.
    const int nDots = nWidth * 300 / 72;
    ps.replace(nLineStart, nTranslate - nLineStart, std::to_string(x) + " " + std::to_string(nDots - y));
    ps.replace(nSize, ps.find(']', nSize) - nSize + 1,
               "/PageSize[" + std::to_string(nHeight) + " " + std::to_string(nWidth) + "]");
    std::ofstream(uprightFile, std::ios::binary) << ps;
}

// The text of each page through ghostscript, blank lines dropped and blanks (U+00A0 too)
// squeezed, so that lines compare by their words.
inline std::vector<std::string> ReadPageTexts(const std::string& psFile, int nPages,
                                              const std::string& device = "txtwrite")
{
    const std::string host = HostPath(psFile);
    const std::string done = host + ".done";
    ::DeleteFileA((psFile + ".done").c_str());
    std::string command = "Z:\\bin\\sh -c \"gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=" + device +
                          " -sOutputFile=" + host + ".page-%d.txt " + host + " >/dev/null 2>&1; touch " + done + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return {};
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    // The host process cannot be waited on: its marker file says when it is done.
    for (int i = 0; i < 600 && ::GetFileAttributesA((psFile + ".done").c_str()) == INVALID_FILE_ATTRIBUTES; ++i)
        ::Sleep(50);
    std::vector<std::string> pages;
    for (int n = 1; n <= nPages; ++n)
    {
        const std::string raw = ReadBytes(psFile + ".page-" + std::to_string(n) + ".txt");
        std::string text;
        for (std::size_t i = 0; i < raw.size(); ++i)
        {
            // U+00A0 in UTF-8 is a blank too.
            if (raw[i] == '\xc2' && i + 1 < raw.size() && raw[i + 1] == '\xa0')
            {
                ++i;
                text += ' ';
            }
            else if (raw[i] != '\r')
                text += raw[i];
        }
        std::string squeezed;
        std::istringstream rows(text);
        for (std::string row; std::getline(rows, row);)
        {
            std::istringstream words(row);
            std::string word, joined;
            while (words >> word)
                joined += (joined.empty() ? "" : " ") + word;
            if (!joined.empty())
                squeezed += joined + "\n";
        }
        pages.push_back(squeezed);
    }
    return pages;
}

}  // namespace testprinter
