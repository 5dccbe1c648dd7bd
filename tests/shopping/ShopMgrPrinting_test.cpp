// The shopping list printed: to the print file, to the printer, onto a framework print job.
#include "shopping/ShopMgr.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "database/IngData.h"
#include "framework/PrintInfo.h"
#include "printing/PrinterOutput.h"
#include "shell/ShellTestFolder.h"
#include "shell/services/CurrentDatabase.h"
#include "shell/settings/AppSettings.h"
#include "shell/settings/WindowPlacement.h"
#include "shopping/FakeCookbook.h"
#include "support/TestPrinter.h"

namespace {

CIngData Counted(const char* name, double quantity, const char* unit)
{
    CIngData line = shoptest::Ingredient(name, quantity);
    line.m_unitText = unit;
    return line;
}

class ShopMgrPrintingTest : public shelltest::ProgramFolderTest
{
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        m_settings = std::make_unique<CAppSettings>();
        g_pAppSettings = m_settings.get();
        m_db.m_recipes["000001"] = {
            "Salad", 2, {Counted("lettuce", 1, "head(s)"), Counted("tomato", 3, ""), Counted("olive oil", 2, "tbsp")}};
        SetCurrentDatabase(&m_db);
        m_manager = std::make_unique<CShopMgr>();
        m_manager->OpenShoppingList("party");
        ASSERT_TRUE(m_manager->AddRecipe(m_db.Entry("000001"), 0, nullptr));
        m_manager->SetAdditionalItems("napkins");
        m_manager->SetShowDetail(FALSE);
        // The form shows the list before it prints it: printing keeps the summary of the screen.
        CPlainFormatter screen;
        m_manager->DisplayShoppingList(&screen, 1, 0);
    }

    void TearDown() override
    {
        m_manager.reset();
        SetCurrentDatabase(nullptr);
        SetPrintFile("pxprint.txt", kPrintText);
        g_pAppSettings = nullptr;
        m_settings.reset();
    }

    void PrintToFile(int nOn, const std::string& name)
    {
        g_pAppSettings->GetPrintRecord()->PrintToFile = nOn;
        SetPrintFile(PathOf(name).c_str(), kPrintText);
    }

    class CPlainFormatter : public CPageFormatter
    {
    public:
        int WriteRaw(const char* /*pszText*/) override { return 1; }
    };

    std::unique_ptr<CAppSettings> m_settings;
    shoptest::CFakeCookbook m_db;
    std::unique_ptr<CShopMgr> m_manager;
};

TEST_F(ShopMgrPrintingTest, PrintToFileWritesTheListAsText)
{
    PrintToFile(1, "list.txt");
    ASSERT_EQ(1, m_manager->PrintShoppingList(1, 0));
    const std::string rule(64, '-');
    EXPECT_EQ("party\r\n \r\nSummary of Ingredients\r\n" + rule +
                  "\r\n[ ]\tlettuce, 1 head\r\n[ ]\tolive oil, 2 tbsp\r\n[ ]\ttomato, 3\r\n"
                  " \r\nAdditional Items\r\n" +
                  rule + "\r\n \r\nnapkins\r\n",
              shelltest::ReadFile(PathOf("list.txt")));
    EXPECT_EQ(0, m_manager->m_bPrinting) << "printing lasts while the pages are written";

    PrintToFile(1, "no such folder\\list.txt");
    EXPECT_EQ(0, m_manager->PrintShoppingList(1, 0));
    EXPECT_EQ(1u, m_boxes.GetShown().size()) << "the file that cannot be opened is named";
}

TEST_F(ShopMgrPrintingTest, PrintedPagesHoldTheTitleTheSummaryAndEveryItem)
{
    testprinter::CTestPrinter printer("Savorum Test Output", PathOf("out.ps"));
    ASSERT_TRUE(printer.IsReady()) << "the prefix has no test printer driver";
    PrintToFile(0, "unused.txt");
    ASSERT_EQ(1, m_manager->PrintShoppingList(1, 0));
    ASSERT_EQ(1, testprinter::CountPages(testprinter::ReadBytes(printer.OutputFile())));
    const std::string page = testprinter::ReadPageTexts(printer.OutputFile(), 1)[0];
    for (const char* text : {"party", "Summary of Ingredients", "lettuce, 1 head", "olive oil, 2 tbsp", "tomato, 3",
                             "Additional Items", "napkins"})
        EXPECT_NE(std::string::npos, page.find(text)) << text << " in\n" << page;
}

TEST_F(ShopMgrPrintingTest, PrintJobPagesHoldTheListWithoutTheAdditionalItems)
{
    EXPECT_EQ(0, m_manager->PrintShoppingListToJob(nullptr, 1));
    testprinter::CTestPrinter printer("Savorum Test Output", PathOf("out.ps"));
    ASSERT_TRUE(printer.IsReady()) << "the prefix has no test printer driver";
    CPrintInfo info;
    info.m_hDC = printer.CreateDC(false);
    ASSERT_EQ(1, m_manager->PrintShoppingListToJob(&info, 1));
    std::unique_ptr<CPrinterOutput> output(static_cast<CPrinterOutput*>(info.m_lpUserData));
    ASSERT_NE(nullptr, output);
    std::string stored;
    for (const auto& line : output->GetEngine().GetStoredLines())
        stored += line.Text + "\n";
    for (const char* text : {"party", "Summary of Ingredients", "lettuce, 1 head", "tomato, 3"})
        EXPECT_NE(std::string::npos, stored.find(text)) << text << " in\n" << stored;
    EXPECT_EQ(std::string::npos, stored.find("napkins"));
    output.reset();
    ::DeleteDC(info.m_hDC);
}

}  // namespace
