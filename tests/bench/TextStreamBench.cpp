// Not a test: prints how fast report lines go through the plain-text and RTF streams.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include "exchange/PlainTextStream.h"
#include "exchange/RtfStream.h"

namespace {

const int kLines = 10000;

template <typename MakeStream>
void TimeStream(const char* pszName, MakeStream makeStream)
{
    const std::string line = "2 cups\tflour, sifted twice with the salt and the baking powder, then set aside";
    CLineFormat format;
    const auto start = std::chrono::steady_clock::now();
    {
        std::unique_ptr<CPageFormatter> pOutput = makeStream();
        for (int i = 0; i < kLines; ++i)
        {
            format.ParagraphStyle = (i / 10) % 2 == 0 ? 10 : 0;
            pOutput->WriteText(line.c_str(), &format);
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%s: %d lines in %.3f s, %.0f lines a second\n", pszName, kLines, seconds, kLines / seconds);
}

}  // namespace

int main()
{
    char folder[MAX_PATH];
    const std::string temp(folder, GetTempPathA(sizeof folder, folder));
    const std::string textPath = temp + "savorum-bench.txt";
    const std::string rtfPath = temp + "savorum-bench.rtf";
    auto open = [](const std::string& path) {
        return std::make_unique<std::ofstream>(path, std::ios::binary | std::ios::trunc);
    };
    TimeStream("plain text, written whole", [&] { return std::make_unique<CPlainTextStream>(open(textPath), 0); });
    TimeStream("plain text, wrapped", [&] { return std::make_unique<CPlainTextStream>(open(textPath), 1); });
    TimeStream("RTF", [&] { return std::make_unique<CRtfStream>(open(rtfPath)); });
    DeleteFileA(textPath.c_str());
    DeleteFileA(rtfPath.c_str());
    return 0;
}
