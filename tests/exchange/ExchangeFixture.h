#pragma once
// Import and export tests: a fresh copy of the default cookbook as the current database, the
// program settings the writers read, files in the test's own folder, and recipes built here.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "database/CategoryListItem.h"
#include "database/IngData.h"
#include "database/RMDatabase.h"
#include "database/RecipeData.h"
#include "exchange/PlainTextStream.h"
#include "printing/ReportJob.h"
#include "res/resource.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/settings/AppSettings.h"
#include "shell/settings/ProgramDirectory.h"
#include "support/CookbookFixture.h"
#include "support/TestDataFolder.h"

namespace exchangetest {

inline std::string ReadBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

inline std::string GoldenFile(const std::string& name)
{
    return ReadBytes(testdata::WindowsPath(SAVORUM_EXCHANGE_GOLDEN) + "\\" + name);
}

inline CIngData* MakeLine(double quantity, const char* unit, const char* name, const char* preparation = "")
{
    auto* pLine = new CIngData;
    pLine->m_maxQty = pLine->m_minQty = quantity;
    pLine->m_unitText = unit;
    pLine->m_name = name;
    pLine->m_preparation = preparation;
    pLine->m_lineType = "I";
    pLine->m_unitId = "000001";
    return pLine;
}

inline void AddCategory(CRecipeData& recipe, const char* name)
{
    auto* pItem = new CategoryListItem;
    pItem->m_name = name;
    pItem->m_type = 'R';
    recipe.m_categories.AddTail(pItem);
}

inline std::vector<CString> CategoryNames(const CRecipeData& recipe)
{
    std::vector<CString> names;
    for (POSITION position = recipe.m_categories.GetHeadPosition(); position != nullptr;)
        names.push_back(static_cast<const CategoryListItem*>(recipe.m_categories.GetNext(position))->m_name);
    return names;
}

inline std::vector<const CIngData*> Lines(const CRecipeData& recipe)
{
    std::vector<const CIngData*> lines;
    for (POSITION position = recipe.m_lines.GetHeadPosition(); position != nullptr;)
        lines.push_back(static_cast<const CIngData*>(recipe.m_lines.GetNext(position)));
    return lines;
}

// Apple crumble: a heading, a range, a preparation, a name the catalogue lacks, an optional line.
inline void MakeCrumble(CRecipeData& recipe)
{
    recipe.m_title = "Apple Crumble";
    recipe.m_source = "Grandmother";
    recipe.m_servings = 6;
    recipe.m_prepTime = "0:20";
    recipe.m_directions = "Heat the oven.\r\nRub the butter into the flour.\r\n\r\nBake 40 minutes.";
    recipe.m_intro = "A winter pudding.";
    AddCategory(recipe, "Desserts");
    AddCategory(recipe, "Baking");
    auto* pHeading = MakeLine(0, "", "");
    pHeading->m_preparation = "TOPPING";
    recipe.m_lines.AddTail(pHeading);
    recipe.m_lines.AddTail(MakeLine(1.5, "cup", "all-purpose flour", "sifted"));
    recipe.m_lines.AddTail(MakeLine(0.5, "cup", "sugar"));
    recipe.m_lines.AddTail(
        MakeLine(4, "tablespoon", "butter", "cold, in small cubes and rubbed in well with the fingertips"));
    auto* pOptional = MakeLine(1, "teaspoon", "cinnamon");
    pOptional->m_optional = 1;
    recipe.m_lines.AddTail(pOptional);
    recipe.m_lines.AddTail(MakeLine(6, "", "Bramley apples", "peeled"));
}

template <class Database = CRMDatabase>
class ExchangeTestOn : public fixture::CookbookTest
{
protected:
    void SetUp() override
    {
        fixture::CookbookTest::SetUp();
        CProgramDirectory::SetProgramDirectory(m_folder.c_str());
        m_settings = std::make_unique<CAppSettings>();
        g_pAppSettings = m_settings.get();
        const std::string path = Copy(fixture::BuildFolder() + "\\CookBks\\Cookbook.TWS", "cookbook.tws");
        ASSERT_TRUE(m_db.OpenCookbookFile(path.c_str(), IDS_DRIVER_ACCESS, IDS_COOKBOOK_DATA_SOURCE))
            << m_boxes.GetAllTexts();
        SetCurrentDatabase(&m_db);
    }

    void TearDown() override
    {
        SetCurrentDatabase(nullptr);
        m_db.CloseRecordsets();
        m_db.Close();
        g_pAppSettings = nullptr;
        m_settings.reset();
        fixture::CookbookTest::TearDown();
    }

    std::string PathOf(const std::string& name) const { return m_folder + "\\" + name; }

    void WriteFile(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(PathOf(name), std::ios::binary) << bytes;
    }

    // The recipes written by a writer of the given class into the named file; its bytes.
    template <class Writer>
    std::string Export(const std::string& name, const std::vector<CRecipeData*>& recipes)
    {
        {
            CPlainTextStream output(std::make_unique<std::ofstream>(PathOf(name), std::ios::binary), 0);
            Writer writer(&output);
            for (CRecipeData* pRecipe : recipes)
                writer.WriteRecipe(pRecipe, nullptr);
        }
        return ReadBytes(PathOf(name));
    }

    // Every recipe of the file, in order; the importer keeps its problems.
    template <class Importer>
    std::vector<std::unique_ptr<CRecipeData>> ImportAll(Importer& importer, const std::string& name)
    {
        std::vector<std::unique_ptr<CRecipeData>> recipes;
        EXPECT_TRUE(importer.Open(PathOf(name).c_str())) << name;
        const int nCount = importer.GetTitles().GetSize();
        importer.Rewind();
        for (int i = 0; i < nCount; ++i)
        {
            auto recipe = std::make_unique<CRecipeData>();
            if (importer.ImportNext(*recipe))
                recipes.push_back(std::move(recipe));
        }
        return recipes;
    }

    std::unique_ptr<CAppSettings> m_settings;
    Database m_db;
};

using ExchangeTest = ExchangeTestOn<>;

}  // namespace exchangetest
