#pragma once
// Sources laid out as the configuration database says, for the database import tests and
// benchmark: a FoxPro folder of .dbf/.fpt tables ("Brevana", "Pantrix") or an SQLite stand-in of
// an Access file ("Tablewise Import"). Rows are given as plain text; the columns that the
// configuration marks encrypted are stored translated in FoxPro tables, as those programs did.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>


#include "DbfWriter.h"
#include "SourceFixture.h"

namespace exchangetest {

enum class SourceKind
{
    Tablewise,
    Brevana,
    Pantrix
};

enum class SourceTable
{
    Chapter,
    Recipe,
    Category,
    CatItem,
    Quantity,
    Ingredient,
    HiCat,
    Reference,
    RefItem,
    Nutrition
};

struct SourceColumn
{
    const char* name;
    char type;
    int length;
    int decimals;
    bool encrypted;
};

struct SourceTableLayout
{
    SourceTable table;
    const char* accessName;
    const char* foxProName;
    std::vector<SourceColumn> columns;
};

inline const std::vector<SourceTableLayout>& SourceLayouts()
{
    static const std::vector<SourceTableLayout> layouts = {
        {SourceTable::Chapter, "Chapters", "PX4011", {{"CHAPTERID", 'N', 6, 0, false}, {"TITLE", 'C', 30, 0, true}}},
        {SourceTable::Recipe,
         "Recipes",
         "PX4012",
         {{"CHAPTERID", 'N', 6, 0, false},
          {"RECIPEID", 'N', 8, 0, false},
          {"TITLE", 'C', 40, 0, true},
          {"SERVINGS", 'N', 4, 0, false},
          {"PREPHRS", 'N', 2, 0, false},
          {"PREPMINS", 'N', 2, 0, false},
          {"DIRECTIONS", 'M', 10, 0, true}}},
        {SourceTable::Category,
         "",
         "PX4013",
         {{"CATID", 'N', 6, 0, false}, {"CATNUM", 'N', 4, 0, false}, {"NAME", 'C', 30, 0, true}}},
        {SourceTable::CatItem,
         "CategoryItems",
         "PX4014",
         {{"CIID", 'N', 6, 0, false},
          {"CATID", 'N', 6, 0, false},
          {"TYPE", 'C', 1, 0, false},
          {"ITEMID", 'N', 6, 0, false}}},
        {SourceTable::Quantity,
         "Quantities",
         "PX4015",
         {{"QTYID", 'N', 6, 0, false},
          {"RECIPEID", 'N', 8, 0, false},
          {"LINETYPE", 'C', 1, 0, false},
          {"ITEMID", 'N', 8, 0, false},
          {"MAXQTY", 'N', 8, 2, false},
          {"MINQTY", 'N', 8, 2, false},
          {"UNITID", 'N', 6, 0, false},
          {"PREP", 'C', 30, 0, true}}},
        {SourceTable::Ingredient,
         "Ingredients",
         "PX4016",
         {{"INGID", 'N', 6, 0, false}, {"NAME", 'C', 30, 0, true}, {"WEIGHT", 'N', 8, 2, false}}},
        {SourceTable::HiCat,
         "Categories",
         "PX4017",
         {{"CATID", 'N', 6, 0, false},
          {"PARENTID", 'N', 6, 0, false},
          {"NAME", 'C', 30, 0, true},
          {"TYPE", 'C', 1, 0, false}}},
        {SourceTable::Reference,
         "RefSources",
         "PX4018",
         {{"REFID", 'N', 6, 0, false},
          {"REFTYPE", 'C', 1, 0, false},
          {"NAME", 'C', 30, 0, true},
          {"CONTENT", 'C', 60, 0, true}}},
        {SourceTable::RefItem,
         "RefLinks",
         "PX4019",
         {{"LINKTYPE", 'C', 1, 0, false}, {"LINKID", 'N', 6, 0, false}, {"REFID", 'N', 6, 0, false}}},
        {SourceTable::Nutrition,
         "Nutrition",
         "PX4020",
         {{"INGID", 'N', 6, 0, false}, {"CARBO", 'N', 8, 2, false}, {"PROTEIN", 'N', 8, 2, false}}},
    };
    return layouts;
}

class ConfiguredSource
{
public:
    // folder: where the FoxPro tables or the stand-in file go; config: the configuration
    // database, of which a stand-in starts as a copy (the SQLite driver creates no files).
    ConfiguredSource(SourceKind kind, std::string folder, std::string config)
        : m_kind(kind), m_folder(std::move(folder)), m_config(std::move(config))
    {
    }

    void Add(SourceTable table, const std::vector<std::string>& row) { m_rows[table].push_back(row); }

    bool IsFoxPro() const { return m_kind != SourceKind::Tablewise; }

    // The file a user chooses for the source.
    std::string ChosenPath() const { return IsFoxPro() ? m_folder + "\\PX4001.dbf" : m_folder + "\\favorite.mdb"; }

    std::string Write() const
    {
        CreateDirectoryA(m_folder.c_str(), nullptr);
        if (IsFoxPro())
            WriteFoxPro();
        else
            WriteStandIn();
        return ChosenPath();
    }

private:
    bool Has(const SourceTableLayout& layout) const
    {
        switch (m_kind)
        {
        case SourceKind::Tablewise: return *layout.accessName != '\0';
        case SourceKind::Brevana: return layout.table != SourceTable::Category;
        case SourceKind::Pantrix:
            return layout.table != SourceTable::HiCat && layout.table != SourceTable::Reference &&
                   layout.table != SourceTable::RefItem;
        }
        return false;
    }

    std::vector<std::vector<std::string>> RowsOf(SourceTable table) const
    {
        const auto found = m_rows.find(table);
        return found == m_rows.end() ? std::vector<std::vector<std::string>>() : found->second;
    }

    void WriteFoxPro() const
    {
        dbftest::CDbfWriter({{"PXID", 'N', 6, 0}}).Write(m_folder + "\\PX4001.dbf", "");
        for (const SourceTableLayout& layout : SourceLayouts())
        {
            if (!Has(layout))
                continue;
            std::vector<dbftest::Field> fields;
            for (const SourceColumn& column : layout.columns)
                fields.push_back({column.name, column.type, column.length, column.decimals});
            dbftest::CDbfWriter table(fields);
            for (std::vector<std::string> row : RowsOf(layout.table))
            {
                for (size_t i = 0; i < row.size() && i < layout.columns.size(); ++i)
                    if (layout.columns[i].encrypted)
                        row[i] = sourcetest::Translated(row[i]);
                table.Add(row);
            }
            const std::string base = m_folder + "\\" + layout.foxProName;
            table.Write(base + ".dbf", base + ".fpt");
        }
    }

    void WriteStandIn() const
    {
        const std::string path = ChosenPath();
        DeleteFileA(path.c_str());
        std::vector<std::string> statements = {"DROP TABLE Nutrition", "CREATE TABLE DBVERSION (VERSION TEXT)"};
        for (const SourceTableLayout& layout : SourceLayouts())
        {
            if (!Has(layout))
                continue;
            std::string create = std::string("CREATE TABLE ") + layout.accessName + " (";
            for (const SourceColumn& column : layout.columns)
                create += std::string(&column != &layout.columns.front() ? ", " : "") + column.name +
                          (column.type == 'N' ? (column.decimals > 0 ? " REAL" : " INTEGER") : " TEXT");
            statements.push_back(create + ")");
            for (const std::vector<std::string>& row : RowsOf(layout.table))
            {
                std::string insert = std::string("INSERT INTO ") + layout.accessName + " VALUES (";
                for (size_t i = 0; i < layout.columns.size(); ++i)
                {
                    const std::string cell = i < row.size() ? row[i] : std::string();
                    insert += (i > 0 ? ", " : "") +
                              (layout.columns[i].type == 'N' ? (cell.empty() ? "0" : cell) : Quoted(cell));
                }
                statements.push_back(insert + ")");
            }
        }
        sourcetest::Execute(path, m_config, statements);
    }

    static std::string Quoted(const std::string& text)
    {
        std::string quoted = "'";
        for (char c : text)
            quoted += c == '\'' ? std::string("''") : std::string(1, c);
        return quoted + "'";
    }

    SourceKind m_kind;
    std::string m_folder;
    std::string m_config;
    std::map<SourceTable, std::vector<std::vector<std::string>>> m_rows;
};

// Chapter 3 "Soups": "Leek Soup" (the leeks, filed under the basic ingredient Guavas, with a
// profile; and "Crouton Mix", which uses "Leek Soup" in turn), "Crouton Mix", "Empty Soup" (no
// lines), and a recipe whose id no record id holds; chapter 4 "Cakes": "Sponge".
inline ConfiguredSource SoupsSource(SourceKind kind, const std::string& folder, const std::string& config,
                                    const std::string& leeks)
{
    ConfiguredSource source(kind, folder, config);
    source.Add(SourceTable::Chapter, {"3", "Soups"});
    source.Add(SourceTable::Chapter, {"4", "Cakes"});
    source.Add(SourceTable::Recipe, {"3", "12", "Leek Soup", "4", "0", "25", "Sweat the leeks."});
    source.Add(SourceTable::Recipe, {"3", "13", "Crouton Mix", "2", "0", "0", ""});
    source.Add(SourceTable::Recipe, {"3", "14", "Empty Soup", "1", "0", "0", ""});
    source.Add(SourceTable::Recipe, {"3", "1234567", "Too Far", "1", "0", "0", ""});
    source.Add(SourceTable::Recipe, {"4", "20", "Sponge", "8", "0", "0", ""});
    source.Add(SourceTable::Quantity, {"1", "12", "I", "5", "2", "2", "1", "sliced"});
    source.Add(SourceTable::Quantity, {"2", "12", "R", "13", "1", "1", "1", ""});
    source.Add(SourceTable::Quantity, {"3", "13", "R", "12", "1", "1", "1", ""});
    source.Add(SourceTable::Ingredient, {"5", leeks, "0"});
    source.Add(SourceTable::CatItem, {"1", "40", "I", "5"});
    source.Add(SourceTable::Category, {"40", "12", "Guavas"});
    source.Add(SourceTable::HiCat, {"40", "0", "Guavas", "I"});
    source.Add(SourceTable::Nutrition, {"5", "10.5", "2.5"});
    return source;
}

}  // namespace exchangetest
