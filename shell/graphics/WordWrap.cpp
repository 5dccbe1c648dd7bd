#include "shell/graphics/WordWrap.h"

#include <cstring>

#include <windows.h>

std::vector<std::string> WrapLines(HDC hdc, const char* text, int width)
{
    int charWidths[256] = {};
    ::GetCharWidth32A(hdc, 0, 255, charWidths);
    std::vector<std::string> lines;
    std::size_t length = std::strlen(text);
    std::size_t start = 0;
    while (start < length)
    {
        while (start < length && text[start] == ' ' && !lines.empty())
            ++start;
        std::size_t end = start;
        std::size_t lastBlank = std::string::npos;
        int used = 0;
        while (end < length)
        {
            used += charWidths[static_cast<unsigned char>(text[end])];
            if (used > width && end > start)
                break;
            if (text[end] == ' ')
                lastBlank = end;
            ++end;
        }
        if (end < length && lastBlank != std::string::npos && lastBlank > start)
            end = lastBlank;
        if (end > start)
            lines.emplace_back(text + start, end - start);
        start = end;
    }
    return lines;
}
