#include "printing/LineFormat.h"

namespace {

const std::int32_t kDefaultTabStops[CLineFormat::MaxTabStops] = {5, -30, 30, 40, -60, 60, 65, 70, 75, 80};

}  // namespace

CLineFormat::CLineFormat()
{
    Reset(0, Plain, kDefaultTabStops[0], 100);
}

CLineFormat::CLineFormat(int flags, int mode, int indent, int sizePercent)
{
    Reset(flags, mode, indent, sizePercent);
}

CLineFormat CLineFormat::Cleared()
{
    CLineFormat format;
    format.Mode = Plain;
    format.TabCount = 0;
    for (std::int32_t& stop : format.TabStops)
        stop = 0;
    format.SizePercent = 0;
    return format;
}

void CLineFormat::Reset(int flags, int mode, int indent, int sizePercent)
{
    Mode = mode;
    TabCount = MaxTabStops;
    TabStops[0] = indent;
    for (int i = 1; i < MaxTabStops; ++i)
        TabStops[i] = kDefaultTabStops[i];
    Bold = (flags & FlagBold) != 0;
    Italic = (flags & FlagItalic) != 0;
    StyleFlag8 = (flags & Flag8) != 0;
    Underline = (flags & FlagUnderline) != 0;
    SizePercent = sizePercent;
    ParagraphStyle = 0;
    StyleValue = 0;
}
