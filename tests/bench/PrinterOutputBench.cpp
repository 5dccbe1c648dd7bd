// Not a test: prints pages a second and bytes a page through the printer output, and the time to
// store a 300-line page and replay it into a memory bitmap.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

#include "printing/PrinterOutput.h"
#include "shell/settings/AppSettings.h"
#include "shell/settings/ProgramDirectory.h"
#include "support/TestPrinter.h"

namespace {

double SecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void PrintPages(int nPages, const std::string& output)
{
    testprinter::CTestPrinter printer("Savorum Bench Printer", output);
    if (!printer.IsReady())
    {
        std::printf("no test printer driver in the prefix\n");
        return;
    }
    const auto start = std::chrono::steady_clock::now();
    {
        CPrinterOutput pages("Bench");
        const int nPerPage = pages.GetLinesLeft();
        for (int i = 0; i < nPages * nPerPage; ++i)
            pages.WriteText("1 cup flour, sifted twice with the salt and the baking powder", nullptr);
    }
    const double seconds = SecondsSince(start);
    const std::string postScript = testprinter::ReadBytes(output);
    const int nPrinted = testprinter::CountPages(postScript);
    std::printf("printer output: %d pages in %.2f s, %.0f pages a second, %.0f bytes a page\n", nPrinted, seconds,
                nPrinted / seconds, nPrinted > 0 ? static_cast<double>(postScript.size()) / nPrinted : 0.0);
    DeleteFileA(output.c_str());
}

void StoreAndReplay(int nLines)
{
    const auto start = std::chrono::steady_clock::now();
    CLayoutEngine store;
    store.BeginDocument(nullptr, nullptr, nullptr, 0);
    CLineFormat format;
    for (int i = 0; i < nLines; ++i)
        store.LayoutText("1 cup flour, sifted twice with the salt", format, nullptr);
    const double storeSeconds = SecondsSince(start);

    HDC hScreen = ::GetDC(nullptr);
    HDC hMemory = ::CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, 600, 8000);
    ::ReleaseDC(nullptr, hScreen);
    HGDIOBJ hOld = ::SelectObject(hMemory, hBitmap);
    HWND hWnd = ::CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 600, 4000, nullptr, nullptr, nullptr, nullptr);
    const auto replayStart = std::chrono::steady_clock::now();
    CLayoutEngine window;
    window.SetMode(CLayoutEngine::WindowMode);
    window.BeginDocument(nullptr, hWnd, hMemory, 0);
    for (CLayoutEngine::StoredLine line : store.GetStoredLines())
        window.LayoutText(line.Text.c_str(), line.Format, hMemory);
    const double replaySeconds = SecondsSince(replayStart);
    std::printf("%d-line page: stored in %.2f ms, replayed in %.2f ms\n", nLines, storeSeconds * 1000,
                replaySeconds * 1000);
    ::DestroyWindow(hWnd);
    ::SelectObject(hMemory, hOld);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hMemory);
}

}  // namespace

int main()
{
    char folder[MAX_PATH];
    const std::string temp(folder, GetTempPathA(sizeof folder, folder));
    CProgramDirectory::SetProgramDirectory(temp.c_str());
    auto settings = std::make_unique<CAppSettings>();
    g_pAppSettings = settings.get();
    PrintPages(1000, temp + "savorum-bench.ps");
    StoreAndReplay(300);
    g_pAppSettings = nullptr;
    return 0;
}
