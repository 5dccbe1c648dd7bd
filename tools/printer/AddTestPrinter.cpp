// Adds the test prefix's default printer: Wine's PostScript driver with its generic PPD,
// printing through the plain print processor to the FILE: port, on Letter paper.
#include <windows.h>
#include <winspool.h>

#include <cstdio>
#include <string>

namespace {

const char kPrinterName[] = "Savorum Test Printer";
const char kDriverName[] = "Savorum PostScript";

// Wine keeps its generic PPD as resource 1 of type PPDFILE in winspool.drv.
std::string WriteGenericPpd()
{
    HMODULE hSpool = LoadLibraryExA("winspool.drv", nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HRSRC hInfo = hSpool ? FindResourceA(hSpool, MAKEINTRESOURCEA(1), "PPDFILE") : nullptr;
    HGLOBAL hData = hInfo ? LoadResource(hSpool, hInfo) : nullptr;
    if (hData == nullptr)
        return std::string();
    char folder[MAX_PATH];
    GetTempPathA(sizeof folder, folder);
    const std::string path = std::string(folder) + "savorum-generic.ppd";
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return std::string();
    const DWORD cb = SizeofResource(hSpool, hInfo);
    const bool written = std::fwrite(LockResource(hData), 1, cb, file) == cb;
    return std::fclose(file) == 0 && written ? path : std::string();
}

bool AddDriver(const std::string& ppd, const char* pszEnvironment)
{
    DRIVER_INFO_3A info = {};
    info.cVersion = 3;
    info.pName = const_cast<char*>(kDriverName);
    info.pEnvironment = const_cast<char*>(pszEnvironment);
    info.pDriverPath = const_cast<char*>("wineps.drv");
    info.pConfigFile = const_cast<char*>("wineps.drv");
    info.pDataFile = const_cast<char*>(ppd.c_str());
    return AddPrinterDriverExA(nullptr, 3, reinterpret_cast<BYTE*>(&info),
                               APD_COPY_NEW_FILES | APD_COPY_FROM_DIRECTORY) != FALSE;
}

bool AddDefaultPrinter()
{
    PRINTER_INFO_2A info = {};
    info.pPrinterName = const_cast<char*>(kPrinterName);
    info.pPortName = const_cast<char*>("FILE:");
    info.pDriverName = const_cast<char*>(kDriverName);
    // The PostScript print processor drops every job under Wine: EndDoc fails, no file.
    info.pPrintProcessor = const_cast<char*>("winprint");
    info.pDatatype = const_cast<char*>("RAW");
    info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
    HANDLE hPrinter = AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&info));
    if (hPrinter == nullptr)
        return false;
    char letter[] = "Letter";
    SetPrinterDataExA(hPrinter, const_cast<char*>("PPD Overrides"), const_cast<char*>("DefaultPageSize"), REG_SZ,
                      reinterpret_cast<BYTE*>(letter), sizeof letter);
    ClosePrinter(hPrinter);
    return SetDefaultPrinterA(kPrinterName) != FALSE;
}

}  // namespace

int main()
{
    const std::string ppd = WriteGenericPpd();
    if (ppd.empty())
    {
        std::fprintf(stderr, "no generic PPD in winspool.drv\n");
        return 1;
    }
    if (!AddDriver(ppd, "Windows x64") || !AddDriver(ppd, "Windows NT x86"))
    {
        std::fprintf(stderr, "AddPrinterDriverEx failed: %lu\n", GetLastError());
        return 1;
    }
    if (!AddDefaultPrinter())
    {
        std::fprintf(stderr, "AddPrinter failed: %lu\n", GetLastError());
        return 1;
    }
    return 0;
}
