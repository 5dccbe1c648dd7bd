#pragma once

#include <cstdint>

// The format of one logical line: paragraph mode, tab stops, type style, size and paragraph
// style. Writers address it by 32-bit word, so the layout is fixed; it is always copied by value.
struct CLineFormat
{
    // Paragraph modes (word 0).
    static const int Plain = 0;
    static const int Centred = 'c';
    static const int FirstLineIndent = 'f';
    static const int HangingIndent = 'h';
    static const int IndentedContinuation = 't';
    static const int Indented = 'i';
    static const int Columns = 'd';
    static const int Rule = 'L';

    static const int MaxTabStops = 10;

    // Style flags of the two-argument forms.
    static const int FlagItalic = 1;
    static const int FlagBold = 2;
    static const int FlagUnderline = 4;
    static const int Flag8 = 8;

    // The default table: ten stops, the first (also the indent) at 5.
    CLineFormat();
    CLineFormat(int flags, int mode, int indent, int sizePercent);

    // All 19 words 0: a formatter's format before a writer sets one.
    static CLineFormat Cleared();

    void Reset(int flags, int mode, int indent, int sizePercent);
    // The first tab stop doubles as the indent of the indenting modes.
    int Indent() const { return TabStops[0]; }

    std::int32_t Mode;
    std::int32_t TabCount;
    std::int32_t TabStops[MaxTabStops];  // negative: right-aligned at the absolute value
    std::int32_t Bold;
    std::int32_t Italic;
    std::int32_t StyleFlag8;
    std::int32_t Underline;
    std::int32_t SizePercent;  // 0 or less: the normal size
    std::int32_t ParagraphStyle;
    std::int32_t StyleValue;
};

static_assert(sizeof(CLineFormat) == 19 * 4, "a line format is 19 words");
