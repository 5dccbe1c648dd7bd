#pragma once
// Generated Meal-Master files with a manifest of what each recipe holds: both header layouts,
// Yield or Servings, amounts in columns 1-7, unit codes in 9-10 and text from 12 with
// continuation lines, about one recipe in five in two columns (the right cell from column 42,
// filled column by column so that a continuation can open the right column), section
// headings, wrapped directions with lines that look like ingredients, LF or CR LF.
#include <cstdio>
#include <string>
#include <vector>

class CMealMasterCorpus
{
public:
    struct Entry
    {
        std::string title;
        int ingredients;
        int headings;
    };

    CMealMasterCorpus(int nRecipes, bool crlf, unsigned seed) : m_seed(seed), m_lineEnd(crlf ? "\r\n" : "\n")
    {
        for (int i = 0; i < nRecipes; ++i)
            AddRecipe(i);
    }

    const std::string& GetText() const { return m_text; }
    const std::vector<Entry>& GetManifest() const { return m_manifest; }

private:
    unsigned Next(unsigned nRange)
    {
        m_seed = m_seed * 1103515245u + 12345u;
        return (m_seed >> 16) % nRange;
    }

    void Line(const std::string& text) { m_text += text + m_lineEnd; }

    static std::string Cell(const char* quantity, const char* code, const std::string& text)
    {
        char cell[64];
        std::snprintf(cell, sizeof cell, "%7s %2s %s", quantity, code, text.c_str());
        return cell;
    }

    // The cells of the ingredient block: each ingredient may run on over a continuation.
    std::vector<std::string> Cells(int nRecipe, int nIngredients)
    {
        static const char* const kQuantities[] = {"1", "1.5", "0.75", "12.25", "1 1/2", "3/4", "", "2"};
        static const char* const kCodes[] = {"c", "T", "t", "lb", "oz", "lg", "", "pk"};
        std::vector<std::string> cells;
        for (int i = 0; i < nIngredients; ++i)
        {
            const std::string name = "item " + std::to_string(nRecipe) + "-" + std::to_string(i);
            cells.push_back(Cell(kQuantities[Next(8)], kCodes[Next(8)], name));
            if (Next(4) == 0)
                cells.push_back(Cell("", "", "-and more words"));
        }
        return cells;
    }

    void WriteOneColumn(const std::vector<std::string>& cells)
    {
        for (const std::string& cell : cells)
            Line(cell);
    }

    // Left column first, then the right one: a right column may open with a continuation.
    void WriteTwoColumns(const std::vector<std::string>& cells)
    {
        const std::size_t nLeft = (cells.size() + 1) / 2;
        for (std::size_t row = 0; row < nLeft; ++row)
        {
            std::string line = cells[row];
            if (nLeft + row < cells.size())
                line += std::string(41 - line.size(), ' ') + cells[nLeft + row];
            Line(line);
        }
    }

    void AddRecipe(int nRecipe)
    {
        const bool newLayout = Next(2) == 0;
        Entry entry{"Generated recipe " + std::to_string(nRecipe), 0, 0};
        Line(newLayout ? "MMMMM----- Recipe via Meal-Master (tm) v8.05"
                       : "---------- Recipe via Meal-Master (tm) v8.02");
        Line("");
        Line("      Title: " + entry.title);
        Line(" Categories: Main, Generated");
        Line(Next(2) == 0 ? "      Yield: 4 servings" : "   Servings: 6");
        Line("");
        const int nGroups = 1 + static_cast<int>(Next(2));
        for (int group = 0; group < nGroups; ++group)
        {
            if (group > 0)
            {
                const std::string heading =
                    std::string(newLayout ? "MMMMM" : "-----") + std::string(20, '-') + "SAUCE" + std::string(20, '-');
                Line(heading);
                ++entry.headings;
            }
            const int nIngredients = 2 + static_cast<int>(Next(6));
            entry.ingredients += nIngredients;
            const std::vector<std::string> cells = Cells(nRecipe, nIngredients);
            if (Next(5) == 0)
                WriteTwoColumns(cells);
            else
                WriteOneColumn(cells);
        }
        Line("");
        Line("Put everything in a large bowl and stir it for a good while,");
        Line("  1.   then mix it well and set it aside for an hour.");
        Line("       Serve it warm.");
        Line("");
        Line(newLayout ? "MMMMM" : "-----");
        Line("");
        m_manifest.push_back(entry);
    }

    unsigned m_seed;
    std::string m_lineEnd;
    std::string m_text;
    std::vector<Entry> m_manifest;
};
