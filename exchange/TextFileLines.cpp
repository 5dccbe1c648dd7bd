#include "exchange/TextFileLines.h"

void WriteWithCrlf(std::ostream& stream, const char* pszText)
{
    for (const char* p = pszText; *p != '\0'; ++p)
    {
        if (*p == '\r' && p[1] == '\n')
            continue;
        if (*p == '\n')
            stream.put('\r');
        stream.put(*p);
    }
}
