#include "framework/FormView.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "framework/CmdUI.h"
#include "framework/Document.h"
#include "framework/FrameworkTestIds.h"
#include "framework/ListBox.h"
#include "framework/MDIChildWnd.h"
#include "framework/MDIFrameWnd.h"
#include "framework/Menu.h"
#include "framework/MultiDocTemplate.h"
#include "framework/WinApp.h"
#include "framework/WindowTestSupport.h"

namespace {

// Which target took each command, in order.
std::vector<CString> g_handledBy;

class CTestApp : public CWinApp
{
public:
    CTestApp() : CWinApp("Savorum tests") {}

protected:
    DECLARE_MESSAGE_MAP()
    void OnAppCommand() { g_handledBy.push_back("app"); }
    void OnViewCommand() { g_handledBy.push_back("app"); }
    void OnFormButton() { g_handledBy.push_back("app"); }
    void OnUpdateChecked(CCmdUI* pCmdUI)
    {
        pCmdUI->Enable(TRUE);
        pCmdUI->SetCheck(1);
    }
};

BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
    ON_COMMAND(ID_TEST_APP_COMMAND, OnAppCommand)
    ON_COMMAND(ID_TEST_VIEW_COMMAND, OnViewCommand)
    ON_COMMAND(IDC_FORM_COMMAND_BUTTON, OnFormButton)
    ON_UPDATE_COMMAND_UI(ID_TEST_CHECKED, OnUpdateChecked)
END_MESSAGE_MAP()

CTestApp g_testApp;

class CTestDoc : public CDocument
{
    DECLARE_DYNCREATE(CTestDoc)
protected:
    DECLARE_MESSAGE_MAP()
    void OnDocCommand() { g_handledBy.push_back("doc"); }
};

IMPLEMENT_DYNCREATE(CTestDoc, CDocument)

BEGIN_MESSAGE_MAP(CTestDoc, CDocument)
    ON_COMMAND(ID_TEST_DOC_COMMAND, OnDocCommand)
END_MESSAGE_MAP()

// Borderless, as the program's form frames are.
class CTestChildFrame : public CMDIChildWnd
{
    DECLARE_DYNCREATE(CTestChildFrame)
protected:
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override
    {
        cs.style = WS_CHILD | WS_VISIBLE;
        cs.x = 0;
        cs.y = 0;
        cs.cx = 500;
        cs.cy = 300;
        return CMDIChildWnd::PreCreateWindow(cs);
    }
};

IMPLEMENT_DYNCREATE(CTestChildFrame, CMDIChildWnd)

class CCountingListBox : public CListBox
{
public:
    int m_nDrawn = 0;
    UINT m_nLastDrawnItem = 0;
    int m_nMeasured = 0;

    void DrawItem(DRAWITEMSTRUCT* lpDrawItemStruct) override
    {
        ++m_nDrawn;
        m_nLastDrawnItem = lpDrawItemStruct->itemID;
    }
    void MeasureItem(MEASUREITEMSTRUCT* lpMeasureItemStruct) override
    {
        ++m_nMeasured;
        lpMeasureItemStruct->itemHeight = 20;
    }
};

class CTestForm : public CFormView
{
    DECLARE_DYNCREATE(CTestForm)
public:
    CTestForm() : CFormView(IDD_TEST_FORM) {}

    CCountingListBox m_list;
    int m_nInitialUpdates = 0;

    void OnInitialUpdate() override
    {
        ++m_nInitialUpdates;
        m_list.SubclassDlgItem(IDC_FORM_LIST, this);
        CFormView::OnInitialUpdate();
    }

protected:
    DECLARE_MESSAGE_MAP()
    void OnViewCommand() { g_handledBy.push_back("view"); }
    void OnLocalButton() { g_handledBy.push_back("view"); }
    LRESULT OnQuery(LPARAM lParam) { return lParam == 0 ? 7 : 1; }
    void OnUpdateRemoved(CCmdUI* pCmdUI) { pCmdUI->m_pMenu->DeleteMenu(pCmdUI->m_nIndex, MF_BYPOSITION); }
    void OnUpdateAfterRemoved(CCmdUI* pCmdUI) { pCmdUI->SetText("Renamed"); }
    void OnUpdateDisabled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
};

IMPLEMENT_DYNCREATE(CTestForm, CFormView)

BEGIN_MESSAGE_MAP(CTestForm, CFormView)
    ON_COMMAND(ID_TEST_VIEW_COMMAND, OnViewCommand)
    ON_BN_CLICKED(IDC_FORM_LOCAL_BUTTON, OnLocalButton)
    ON_COMMAND_RESULT(ID_TEST_QUERY, OnQuery)
    ON_UPDATE_COMMAND_UI(ID_TEST_REMOVED, OnUpdateRemoved)
    ON_UPDATE_COMMAND_UI(ID_TEST_AFTER_REMOVED, OnUpdateAfterRemoved)
    ON_UPDATE_COMMAND_UI(ID_TEST_DISABLED, OnUpdateDisabled)
END_MESSAGE_MAP()

// A main frame with one form open from a test template.
class DocViewFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_handledBy.clear();
        m_pFrame = new CMDIFrameWnd;
        ASSERT_TRUE(m_pFrame->LoadFrame(IDR_TEST_FRAME, WS_OVERLAPPEDWINDOW, nullptr));
        g_testApp.m_pMainWnd = m_pFrame;
        m_pFrame->ShowWindow(SW_SHOW);
        m_pTemplate = new CMultiDocTemplate(IDR_TEST_FRAME, RUNTIME_CLASS(CTestDoc), RUNTIME_CLASS(CTestChildFrame),
                                            RUNTIME_CLASS(CTestForm));
        g_testApp.AddDocTemplate(m_pTemplate);
        m_pDoc = m_pTemplate->OpenDocumentFile(nullptr);
        ASSERT_NE(nullptr, m_pDoc);
        ASSERT_EQ(1u, m_pDoc->GetViews().size());
        m_pForm = static_cast<CTestForm*>(m_pDoc->GetViews().front());
        PumpWindowMessages();
    }

    void TearDown() override
    {
        if (m_pFrame != nullptr && ::IsWindow(m_pFrame->m_hWnd))
            m_pFrame->DestroyWindow();
        PumpWindowMessages();
    }

    LRESULT Command(UINT nID, LPARAM lParam = 0) { return m_pFrame->SendMessage(WM_COMMAND, nID, lParam); }

    CMDIFrameWnd* m_pFrame = nullptr;
    CMultiDocTemplate* m_pTemplate = nullptr;
    CDocument* m_pDoc = nullptr;
    CTestForm* m_pForm = nullptr;
};

TEST_F(DocViewFixture, CommandReachesActiveViewFirst)
{
    Command(ID_TEST_VIEW_COMMAND);
    EXPECT_EQ(std::vector<CString>{"view"}, g_handledBy);
}

TEST_F(DocViewFixture, CommandFallsThroughDocumentToApplication)
{
    Command(ID_TEST_DOC_COMMAND);
    Command(ID_TEST_APP_COMMAND);
    EXPECT_EQ((std::vector<CString>{"doc", "app"}), g_handledBy);
}

TEST_F(DocViewFixture, FormAnswersAnAskedCommandToTheSender)
{
    EXPECT_EQ(7, m_pForm->SendMessage(WM_COMMAND, ID_TEST_QUERY, 0));
    EXPECT_EQ(1, m_pForm->SendMessage(WM_COMMAND, ID_TEST_QUERY, 1));
    // Through the main frame the answer comes back the same way.
    EXPECT_EQ(7, Command(ID_TEST_QUERY, 0));
}

TEST_F(DocViewFixture, FormButtonsWithCommandIdsRouteOnToTheApplication)
{
    CWnd* pButton = m_pForm->GetDlgItem(IDC_FORM_COMMAND_BUTTON);
    ASSERT_NE(nullptr, pButton);
    pButton->SendMessage(BM_CLICK);
    CWnd* pLocal = m_pForm->GetDlgItem(IDC_FORM_LOCAL_BUTTON);
    pLocal->SendMessage(BM_CLICK);
    EXPECT_EQ((std::vector<CString>{"app", "view"}), g_handledBy);
}

TEST_F(DocViewFixture, UpdateHandlersEnableGreyCheckAndSurviveRemoval)
{
    CMenu* pPopup = m_pFrame->GetMenu()->GetSubMenu(0);
    m_pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(pPopup->m_hMenu), 0);

    ASSERT_EQ(5, pPopup->GetMenuItemCount());
    const struct
    {
        UINT nID;
        BOOL bGreyed;
        BOOL bChecked;
    } expected[] = {
        {ID_TEST_VIEW_COMMAND, FALSE, FALSE},  // a command handler and no update handler
        {ID_TEST_NO_HANDLER, TRUE, FALSE},     {ID_TEST_CHECKED, FALSE, TRUE},
        {ID_TEST_AFTER_REMOVED, FALSE, FALSE}, {ID_TEST_DISABLED, TRUE, FALSE},
    };
    for (int i = 0; i < 5; ++i)
    {
        SCOPED_TRACE(expected[i].nID);
        EXPECT_EQ(expected[i].nID, pPopup->GetMenuItemID(i));
        const UINT state = pPopup->GetMenuState(i, MF_BYPOSITION);
        EXPECT_EQ(expected[i].bGreyed, (state & MF_GRAYED) != 0);
        EXPECT_EQ(expected[i].bChecked, (state & MF_CHECKED) != 0);
    }
    CString text;
    pPopup->GetMenuString(ID_TEST_AFTER_REMOVED, text, MF_BYCOMMAND);
    EXPECT_STREQ("Renamed", text);
}

TEST_F(DocViewFixture, FormIsMadeAtItsDesignSizeInABorderlessChildFrame)
{
    EXPECT_EQ(1, m_pForm->m_nInitialUpdates);
    CRect design(0, 0, TEST_FORM_WIDTH_DLU, TEST_FORM_HEIGHT_DLU);
    ::MapDialogRect(m_pForm->m_hWnd, &design);
    EXPECT_EQ(design.Size(), m_pForm->GetDesignSize());

    CFrameWnd* pChild = m_pForm->GetParentFrame();
    ASSERT_NE(nullptr, pChild);
    EXPECT_TRUE(pChild->IsKindOf(RUNTIME_CLASS(CTestChildFrame)));
    EXPECT_EQ(0u, pChild->GetStyle() & (WS_CAPTION | WS_BORDER | WS_THICKFRAME));
    EXPECT_EQ(0u, m_pForm->GetStyle() & (WS_CAPTION | WS_BORDER | WS_POPUP));
    // The view fills its frame's client area.
    CRect frameClient;
    CRect formWindow;
    pChild->GetClientRect(&frameClient);
    m_pForm->GetWindowRect(&formWindow);
    EXPECT_EQ(frameClient.Size(), formWindow.Size());
    EXPECT_EQ(m_pForm, pChild->GetActiveView());
}

TEST_F(DocViewFixture, OwnerDrawReachesTheListBoxObject)
{
    m_pForm->m_list.AddString("first");
    m_pForm->m_list.AddString("second");

    // As a list box sends it, and as the list control re-sends its rows':
    // either way the item window is the wrapped control.
    DRAWITEMSTRUCT draw = {};
    draw.CtlType = ODT_LISTBOX;
    draw.CtlID = IDC_FORM_LIST;
    draw.itemID = 1;
    draw.hwndItem = m_pForm->m_list.m_hWnd;
    draw.hDC = ::GetDC(m_pForm->m_hWnd);
    m_pForm->SendMessage(WM_DRAWITEM, IDC_FORM_LIST, reinterpret_cast<LPARAM>(&draw));
    ::ReleaseDC(m_pForm->m_hWnd, draw.hDC);
    EXPECT_EQ(1, m_pForm->m_list.m_nDrawn);
    EXPECT_EQ(1u, m_pForm->m_list.m_nLastDrawnItem);

    MEASUREITEMSTRUCT measure = {};
    measure.CtlType = ODT_LISTBOX;
    measure.CtlID = IDC_FORM_LIST;
    m_pForm->SendMessage(WM_MEASUREITEM, IDC_FORM_LIST, reinterpret_cast<LPARAM>(&measure));
    EXPECT_EQ(1, m_pForm->m_list.m_nMeasured);
    EXPECT_EQ(20u, measure.itemHeight);
}

TEST_F(DocViewFixture, ClosingTheFrameDeletesViewAndDocument)
{
    CFrameWnd* pChild = m_pForm->GetParentFrame();
    pChild->DestroyWindow();
    PumpWindowMessages();
    EXPECT_TRUE(m_pTemplate->GetDocuments().empty());
    EXPECT_EQ(nullptr, m_pFrame->MDIGetActive());
}

}  // namespace
