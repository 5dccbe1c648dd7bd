#include "exchange/Utf8Text.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

TEST(Utf8Text, AccessTextsArriveInTheCodePage)
{
    if (GetACP() != 1252)
        GTEST_SKIP() << "the expected bytes are those of code page 1252";
    struct Case
    {
        const char* utf8;
        const char* expected;
    };
    const Case cases[] = {
        {"", ""},
        {"Apple", "Apple"},
        {"Cr\xC3\xA8me br\xC3\xBBl\xC3\xA9\x65", "Cr\xE8me br\xFBl\xE9\x65"},
        {"Jalape\xC3\xB1o \xE2\x80\x93 hot", "Jalape\xF1o \x96 hot"},
        // Already in the code page: not UTF-8, kept.
        {"Cr\xE8me", "Cr\xE8me"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(Utf8ToCodePage(c.utf8), c.expected);
    }
}

}  // namespace
