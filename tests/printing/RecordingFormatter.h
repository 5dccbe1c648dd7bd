#pragma once

#include <string>
#include <vector>

#include "printing/PageFormatter.h"

// A formatter that keeps its output lines and a record of every call a writer made, with a
// page width and an abort the test sets.
class CRecordingFormatter : public CPageFormatter
{
public:
    enum Kind
    {
        Text,
        Spacer,
        Rule,
        NewPageCall,
        ColumnsCall
    };

    // One call with the text (the entries joined by '|' for columns) and the 19 format
    // words that were in force for it.
    struct Call
    {
        Kind kind;
        std::string text;
        CLineFormat format;
    };

    explicit CRecordingFormatter(int nPageWidth = 65)
    {
        m_pageWidth = nPageWidth;
        RecalcMargins();
    }

    void NewPage() override { Record(NewPageCall, ""); }
    int WriteSpacerLine() override
    {
        const Nested nested(*this, Spacer, " ");
        return CPageFormatter::WriteSpacerLine();
    }
    int WriteText(const char* pszText, const CLineFormat* pFormat) override
    {
        if (pFormat != nullptr)
            SetLineFormat(*pFormat);
        const Nested nested(*this, Text, pszText);
        return CPageFormatter::WriteText(pszText, nullptr);
    }
    int WriteColumns(const char* const* ppszEntries, int nCount, int nColumns, const CLineFormat* pFormat) override
    {
        if (pFormat != nullptr)
            SetLineFormat(*pFormat);
        std::string joined;
        for (int i = 0; i < nCount && ppszEntries[i] != nullptr; ++i)
            joined += (i == 0 ? "" : "|") + std::string(ppszEntries[i]);
        const Nested nested(*this, ColumnsCall, joined);
        return CPageFormatter::WriteColumns(ppszEntries, nCount, nColumns, nullptr);
    }
    int WriteRule(int nValue) override
    {
        const Nested nested(*this, Rule, std::to_string(nValue));
        return CPageFormatter::WriteRule(nValue);
    }
    int WriteRaw(const char* pszText) override
    {
        Lines.emplace_back(pszText);
        return 1;
    }
    int IsAborted() override { return Aborted; }

    // The texts of the text calls, in order.
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const Call& call : Calls)
            if (call.kind == Text)
                texts.push_back(call.text);
        return texts;
    }

    std::vector<std::string> Lines;
    std::vector<Call> Calls;
    int Aborted = 0;

private:
    // Records the outermost call only: a spacer or a column block writes through WriteText.
    class Nested
    {
    public:
        Nested(CRecordingFormatter& owner, Kind kind, const std::string& text) : m_owner(owner)
        {
            if (m_owner.m_depth++ == 0)
                m_owner.Record(kind, text);
        }
        ~Nested() { --m_owner.m_depth; }
        Nested(const Nested&) = delete;
        Nested& operator=(const Nested&) = delete;

    private:
        CRecordingFormatter& m_owner;
    };

    void Record(Kind kind, const std::string& text) { Calls.push_back({kind, text, m_lineFormat}); }

    int m_depth = 0;
};
