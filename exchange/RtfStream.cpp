#include "exchange/RtfStream.h"

#include <utility>

#include "exchange/TextFileLines.h"

namespace {

const char* const kHeader[] = {
    "{\\rtf1\\ansi \\deff4\\deflang1033\n",
    "{\\fonttbl\n",
    "{\\f4\\froman\\fcharset0\\fprq2 Times New Roman;}\n",
    "{\\f5\\fswiss\\fcharset0\\fprq2 Arial;}\n",
    "}\n",
    "{\\colortbl;\n",
    "\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red0\\green255\\blue255;\\red0\\green255\\blue0;\n",
    "\\red255\\green0\\blue255;\\red255\\green0\\blue0;\\red255\\green255\\blue0;\\red255\\green255\\blue255;\n",
    "\\red0\\green0\\blue128;\\red0\\green128\\blue128;\\red0\\green128\\blue0;\\red128\\green0\\blue128;\n",
    "\\red128\\green0\\blue0;\\red128\\green128\\blue0;\\red128\\green128\\blue128;\\red192\\green192\\blue192;\n",
    "}\n",
    "{\\stylesheet {\\f4\\fs20 \\snext0 Normal;}\n",
    "{\\s1\\qc \\b\\scaps\\f4\\fs32\\expnd1\\expndtw5 \\sbasedon0\\snext1 heading 1;}\n",
    "{\\s2\\sb120\\sa120 \\b\\f4\\fs20 \\sbasedon0\\snext2 heading 2;}\n",
    "{\\s3\\sa120 \\f4\\fs20 \\sbasedon0\\snext3 heading 3;}\n",
    "{\\*\\cs10 \\additive Default Paragraph Font;}\n",
    "{\\s15\\li-720\\ri-720\\tqc\\tx5040\\tqr\\tx10080 \\f4\\fs20 \\sbasedon0\\snext15 footer;}\n",
    "{\\s16\\li-720\\ri-720\\tqr\\tx10080 \\i\\f4\\fs18 \\sbasedon0\\snext16 header;}\n",
    "{\\s17 \\f4\\fs20 \\sbasedon0\\snext17 footnote text;}\n",
    "{\\s18\\li720 \\f4\\fs20 \\sbasedon0\\snext18 Normal Indent;}\n",
    "{\\s19 \\f4\\fs20\\ul\\cf13 \\sbasedon20\\snext19 ReferenceTitle;}\n",
    "{\\s20 \\f4\\fs20\\ul\\cf12 \\sbasedon21\\snext20 KitchenTips;}\n",
    "{\\s21 \\f4\\fs20\\cf13 \\sbasedon0\\snext21 Reference;}\n",
    "{\\s22\\fi-720\\li720 \\b\\f4\\fs20\\cf9 \\sbasedon23\\snext22 IngPrepBefore;}\n",
    "{\\s23\\fi-720\\li720 \\b\\f4\\fs20 \\sbasedon0\\snext23 Ingredient;}\n",
    "{\\s24\\qc\\sb240\\sa120 \\b\\f4\\fs28 \\sbasedon0\\snext24 Title;}\n",
    "{\\s25\\qc \\i\\f4\\fs20 \\sbasedon0\\snext25 Subtitle;}\n",
    "{\\s26 \\f4\\fs20\\cf2 \\sbasedon0\\snext26 Category;}\n",
    "{\\s27\\qc \\i\\f4\\fs20 \\sbasedon0\\snext27 Introduction;}\n",
    "{\\s28\\qc \\f4\\fs20 \\sbasedon0\\snext28 Serving;}\n",
    "{\\s29\\qc \\f4\\fs20\\cf12 \\sbasedon0\\snext29 Yield;}\n",
    "{\\s30 \\f4\\fs20\\cf9 \\sbasedon0\\snext30 Description;}\n",
    "{\\s31 \\f4\\fs20\\cf11 \\sbasedon0\\snext31 Nutrition;}\n",
    "{\\s32 \\f4\\fs20 \\sbasedon0\\snext32 Source;}\n",
    "{\\s33 \\f4\\fs20 \\sbasedon0\\snext33 Cost;}\n",
    "{\\s34 \\f4\\fs20\\cf13 \\sbasedon0\\snext34 Timings;}\n",
    "{\\s35 \\f4\\fs20\\ul \\sbasedon0\\snext35 MenuItem;}\n",
    "{\\s36 \\b\\f4\\fs20\\ul \\sbasedon0\\snext36 MenuTitle;}\n",
    "{\\s37\\sa120 \\f4\\fs20 \\sbasedon0\\snext37 Normal+;}\n",
    "{\\s38\\li-720\\ri-720 \\f4\\fs20 \\sbasedon0\\snext38 Normal Outdent;}\n",
    "{\\s39 \\f4\\fs20 \\sbasedon0\\snext39 JumpR;}\n",
    "{\\s40 \\f4\\fs20 \\sbasedon0\\snext40 Imbedded;}\n",
    "{\\s41 \\f4\\fs20\\cf13 \\sbasedon34\\snext41 TimingText;}\n",
    "{\\s42 \\b\\f4\\fs20\\cf14 \\sbasedon0\\snext42 JumpM;}\n",
    "{\\s43 \\b\\caps\\f4\\fs20\\cf10 \\sbasedon0\\snext43 Photo;}\n",
    "{\\s44 \\f4\\fs20\\ul\\cf13 \\sbasedon21\\snext44 Reference Title;}\n",
    "{\\s45\\sb240\\sa120 \\b\\f5\\cf9 \\sbasedon24\\snext45 Chapter;}\n",
    "{\\s46 \\b\\f4\\fs20\\cf10 \\sbasedon0\\snext46 EmbeddedRecipe;}\n",
    "{\\s47\\fi-720\\li720 \\b\\f4\\fs20\\cf14 \\sbasedon23\\snext47 OptionalIngredient;}\n",
    "}\n",
    "{\\info\n",
    "{\\author Halvorn Publishing }\n",
    "{\\doccomm Halvorn Publishing RTF Exporter, v1.0}}\n",
    "\\margl1440\\margr1440\\margb1627\n",
    "\\widowctrl\\ftnbj\\aenddoc\\hyphhotz0\n",
    "\\noextrasprl\\prcolbl\\cvmme\\sprsspbf\n",
    "\\brkfrm\\swpbdr\\hyphcaps0 \n",
    "\\fet0\\sectd \n",
    "\\pgnrestart\\linex0\\footery864\\endnhere \n",
};

// Source lines are broken after a blank once this many characters have gone by.
const int kSourceLineLength = 61;

const char* StyleText(int nStyle)
{
    switch (nStyle)
    {
    case 4:
    case 7:
    case 16:
    case 25: return "\\s24\\qc\\sb240\\sa120 \\b\\f4\\fs28 ";
    case 5:
    case 11:
    case 27: return "\\s30 \\f4\\fs20\\cf9 ";
    case 8:
    case 17:
    case 26: return "\\s27\\qc \\i\\f4\\fs20 ";
    case 9:
    case 18: return "\\s26 \\f4\\fs20\\cf2 ";
    case 10: return "\\s23\\fi-720\\li720 \\b\\f4\\fs20 ";
    case 12:
        // Ends with a blank: a digit or word that follows must not run into the last tab stop.
        return "\\s31 \\f4\\fs20\\cf11\\tx1980\\tqdec\\tx2700\\tx2880\\tqdec\\tx3600 ";
    case 14: return "\\s34 \\f4\\fs20\\cf13 ";
    default: return "\\s0 \\f4\\fs20 ";
    }
}

}  // namespace

CRtfStream::CRtfStream(std::unique_ptr<std::ostream> stream) : m_stream(std::move(stream))
{
    WriteHeader();
}

CRtfStream::~CRtfStream()
{
    WriteRaw("}}");
    m_stream->flush();
}

void CRtfStream::WriteHeader()
{
    for (const char* pszLine : kHeader)
        WriteRaw(pszLine);
}

void CRtfStream::NewPage()
{
    WriteRaw("\\page ");
}

int CRtfStream::WriteText(const char* pszText, const CLineFormat* pFormat)
{
    WriteParagraphStyle(pFormat);
    RecalcMargins();
    WriteConverted(pszText);
    return 1;
}

void CRtfStream::WriteParagraphStyle(const CLineFormat* pFormat)
{
    if (pFormat == nullptr)
        return;
    m_lineFormat = *pFormat;
    const int nStyle = m_lineFormat.ParagraphStyle;
    if (m_lastStyle == nStyle)
        return;
    m_lastStyle = nStyle;
    WriteRaw("\\pard\\plain ");
    WriteRaw(StyleText(nStyle));
}

void CRtfStream::WriteConverted(const std::string& text)
{
    std::string piece;
    int nSinceBreak = 0;
    for (std::size_t i = 0; i < text.size(); ++i, ++nSinceBreak)
    {
        const char c = text[i];
        if (c == '\t')
        {
            piece += "\\tab ";
            while (i + 1 < text.size() && text[i + 1] == ' ')
                ++i;
        }
        else if (c == '\n')
        {
            if (!piece.empty() && piece.back() == '\r')
                piece.pop_back();
            WriteRaw(piece.c_str());
            WriteRaw("\\par\n");
            piece.clear();
        }
        else if (c == '\\' || c == '{' || c == '}')
        {
            piece += '\\';
            piece += c;
        }
        else if (c == ' ' && nSinceBreak + 1 >= kSourceLineLength)
        {
            // Breaks only the source line: a line end inside a paragraph is not text in RTF.
            piece += " \n";
            nSinceBreak = -1;
        }
        else
        {
            piece += c;
        }
    }
    if (!piece.empty())
        WriteRaw(piece.c_str());
    if (text.empty() || text.back() != '\n')
        WriteRaw("\\par \n");
}

int CRtfStream::WriteRule(int nValue)
{
    CPageFormatter::WriteRule(nValue);
    // The blank ends the control word: text that follows must not run into it.
    WriteRaw("\\par ");
    return 1;
}

int CRtfStream::IsAborted()
{
    // Buffered bytes reach the file only when flushed: a full disk shows only then.
    m_stream->flush();
    return m_stream->fail() || m_stream->bad();
}

int CRtfStream::WriteRaw(const char* pszText)
{
    WriteWithCrlf(*m_stream, pszText);
    return 1;
}
