#include "exchange/Utf8Text.h"

#include <windows.h>

#include <vector>

CString Utf8ToCodePage(const CString& text)
{
    if (text.IsEmpty())
        return text;
    const int cchWide = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text, text.GetLength(), nullptr, 0);
    if (cchWide <= 0)
        return text;
    std::vector<wchar_t> wide(cchWide);
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text, text.GetLength(), wide.data(), cchWide);
    const int cbAnsi = WideCharToMultiByte(CP_ACP, 0, wide.data(), cchWide, nullptr, 0, nullptr, nullptr);
    if (cbAnsi <= 0)
        return text;
    std::vector<char> ansi(cbAnsi);
    WideCharToMultiByte(CP_ACP, 0, wide.data(), cchWide, ansi.data(), cbAnsi, nullptr, nullptr);
    return CString(ansi.data(), cbAnsi);
}
