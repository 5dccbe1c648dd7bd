#include "forms/RcpScrollWnd.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "database/CustObList.h"
#include "database/IngData.h"
#include "database/RecipeData.h"
#include "database/TimeText.h"
#include "forms/IngredientClipboard.h"
#include "forms/IngredientLineDlg.h"
#include "forms/IngredientListText.h"
#include "forms/RecipeFieldHost.h"
#include "framework/ClientDC.h"
#include "framework/Edit.h"
#include "framework/ListBox.h"
#include "res/resource.h"
#include "shell/controls/DialogControls.h"
#include "shell/controls/OwnerDrawDragList.h"
#include "shell/services/MessageUtilities.h"

namespace {

const UINT kListId = 10014;
const int kFontHeight = 16;
const COLORREF kListText = 0xFFFFFF;
const COLORREF kListSelected = 15780004;
const int kMaxServings = 999;
const int kCostLength = 6;

enum Rule
{
    kText,
    kCleanText,
    kTime,
    kServings,
    kCost,
    kList
};

const DWORD kBase = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP;
const DWORD kCentred = ES_CENTER | ES_MULTILINE;
const DWORD kCentredGrowing = kCentred | ES_AUTOVSCROLL | ES_WANTRETURN;
const DWORD kLeftGrowing = ES_LEFT | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
const DWORD kListStyle = LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS | LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT |
                         LBS_EXTENDEDSEL | LBS_NOTIFY | WS_VSCROLL;

struct FieldSpec
{
    UINT id;
    UINT labelId;
    int lines;
    int column;
    int columns;
    DWORD style;
    Rule rule;
    int maximum;
    CString CRecipeData::*text;
};

// In layout order: the page reads like a printed recipe.
const FieldSpec kFields[CRcpScrollWnd::kEntryCount] = {
    {10000, IDS_FIELD_LABEL_TITLE, 2, 1, 1, kCentredGrowing, kCleanText, 70, &CRecipeData::m_title},
    {10001, IDS_FIELD_LABEL_SUBTITLE, 2, 1, 1, kCentredGrowing, kCleanText, 70, &CRecipeData::m_subtitle},
    {10002, IDS_FIELD_LABEL_INTRODUCTION, 4, 1, 1, kLeftGrowing, kText, 4095, &CRecipeData::m_intro},
    {10004, IDS_FIELD_LABEL_SERVINGS, 2, 1, 2, kCentred, kServings, 0, nullptr},
    {10005, IDS_FIELD_LABEL_YIELD, 2, 2, 2, kCentred, kCleanText, 20, &CRecipeData::m_yieldUnit},
    {kListId, 0, 2, 1, 1, kListStyle, kList, 0, nullptr},
    {10003, IDS_FIELD_LABEL_DIRECTIONS, 7, 1, 1, kLeftGrowing, kText, 4095, &CRecipeData::m_directions},
    {10006, IDS_FIELD_LABEL_PREP_TIME, 2, 1, 3, kCentred, kTime, 5, &CRecipeData::m_prepTime},
    {10007, IDS_FIELD_LABEL_COOK_TIME, 2, 2, 3, kCentred, kTime, 5, &CRecipeData::m_cookTime},
    {10008, IDS_FIELD_LABEL_STAND_TIME, 2, 3, 3, kCentred, kTime, 5, &CRecipeData::m_standTime},
    {10009, IDS_FIELD_LABEL_COST, 2, 1, 2, kCentred, kCost, 6, nullptr},
    {10010, IDS_FIELD_LABEL_COST_UNIT, 2, 2, 2, kCentred, kCleanText, 20, &CRecipeData::m_costUnit},
    {10011, IDS_FIELD_LABEL_SOURCE, 2, 1, 1, kLeftGrowing, kCleanText, 70, &CRecipeData::m_source},
    {10012, IDS_FIELD_LABEL_DATE, 2, 1, 2, kCentred, kCleanText, 8, &CRecipeData::m_date},
    {10013, IDS_FIELD_LABEL_PAGE, 2, 2, 2, kCentred, kCleanText, 8, &CRecipeData::m_page},
};

CString WithoutBreaks(const CString& text)
{
    CString clean = text;
    clean.Remove('\r');
    clean.Remove('\n');
    clean.Remove('\t');
    return clean;
}

BOOL IsAllDigits(const CString& text)
{
    for (int i = 0; i < text.GetLength(); ++i)
    {
        if (text[i] < '0' || text[i] > '9')
            return FALSE;
    }
    return TRUE;
}

CString CostText(double cost)
{
    CString text;
    text.Format("%.2f", cost);
    return text;
}

}  // namespace

struct CRcpScrollWnd::Entry
{
    const FieldSpec* spec = nullptr;
    std::unique_ptr<CWnd> control;
    int lines = 0;
    int top = 0;
    CString label;
};

CRcpScrollWnd::CRcpScrollWnd(CWnd* pParent, const RECT& rect, CRecipeData* pRecipe, CRecipeFieldHost* pHost)
    : m_pRecipe(pRecipe), m_pHost(pHost), m_entries(new Entry[kEntryCount]), m_totalLines(0), m_servings(0),
      m_currentLine(-1), m_lineEditorOpen(FALSE), m_settingText(FALSE)
{
    m_width = rect.right - rect.left - ::GetSystemMetrics(SM_CXVSCROLL);
    m_height = rect.bottom - rect.top;
    SetFont(kFontHeight, 0);
    Create(nullptr, "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP, rect, pParent, 0);
}

CRcpScrollWnd::~CRcpScrollWnd() = default;

void CRcpScrollWnd::CreateChildren()
{
    for (int i = 0; i < kEntryCount; ++i)
        CreateEntry(m_entries[i]);
    TEXTMETRICA metrics{};
    {
        CClientDC dc(this);
        CFont* pOld = dc.SelectObject(&m_font);
        dc.GetTextMetrics(&metrics);
        dc.SelectObject(pOld);
    }
    m_lineHeight = metrics.tmHeight > 0 ? metrics.tmHeight : 1;
    Layout();
}

void CRcpScrollWnd::CreateEntry(Entry& entry)
{
    const int index = static_cast<int>(&entry - m_entries.get());
    entry.spec = &kFields[index];
    entry.lines = entry.spec->lines;
    if (entry.spec->labelId != 0)
        entry.label.LoadString(entry.spec->labelId);
    const RECT none{0, 0, 0, 0};
    if (entry.spec->rule == kList)
    {
        auto list = std::make_unique<COwnerDrawDragList>(CControlFontSpec(kListId, kFontHeight));
        list->Create(kBase | entry.spec->style, none, this, kListId);
        list->SetColors(kListText, kListSelected);
        entry.control = std::move(list);
        return;
    }
    auto edit = std::make_unique<CEdit>();
    edit->Create(kBase | entry.spec->style, none, this, entry.spec->id);
    edit->SetFont(&m_font, FALSE);
    entry.control = std::move(edit);
}

void CRcpScrollWnd::Layout()
{
    int y = -(m_topLine * m_lineHeight);
    int x = 0;
    int rowTop = y;
    for (int i = 0; i < kEntryCount; ++i)
    {
        Entry& entry = m_entries[i];
        if (entry.spec->column == 1)
        {
            x = 0;
            rowTop = y;
        }
        const int columnWidth = m_width / entry.spec->columns;
        entry.control->MoveWindow(x, rowTop, columnWidth + 2, entry.lines * m_lineHeight + 6, FALSE);
        entry.top = m_topLine * m_lineHeight + rowTop;
        x += columnWidth + 1;
        y = rowTop + entry.lines * m_lineHeight + 5;
    }
    m_totalLines = m_topLine + y / m_lineHeight;
    SetLineCount(m_totalLines - m_height / m_lineHeight + 1);
}

void CRcpScrollWnd::LoadRecipe()
{
    m_servings = m_pRecipe->m_servings;
    for (int i = 0; i < kEntryCount; ++i)
    {
        Entry& entry = m_entries[i];
        if (entry.spec->text != nullptr)
            SetFieldText(entry, m_pRecipe->*entry.spec->text);
    }
    CString servings;
    servings.Format("%d", m_servings);
    SetFieldText(*EntryOf(10004), servings);
    SetFieldText(*EntryOf(10009), CostText(m_pRecipe->m_cost));
    FillIngredientList();
    GrowToContents();
}

void CRcpScrollWnd::FillIngredientList()
{
    CListBox& list = GetIngredientList();
    list.ResetContent();
    if (m_pRecipe->m_lines.IsEmpty())
        m_pRecipe->m_lines.AddTail(new CIngData);
    for (POSITION at = m_pRecipe->m_lines.GetHeadPosition(); at != nullptr;)
        list.AddString(IngredientListText(*static_cast<const CIngData*>(m_pRecipe->m_lines.GetNext(at)), m_servings));
    m_currentLine = 0;
}

void CRcpScrollWnd::FitListToLines()
{
    Entry& entry = m_entries[5];
    const int lines = std::max(entry.spec->lines, ListLinesNeeded());
    entry.lines = lines;
    Layout();
}

int CRcpScrollWnd::ListLinesNeeded() const
{
    const CListBox& list = GetIngredientList();
    int height = 0;
    for (int i = 0; i < list.GetCount(); ++i)
        height += list.GetItemHeight(i);
    return height / m_lineHeight;
}

void CRcpScrollWnd::LinesChanged()
{
    FitListToLines();
    if (m_pHost != nullptr)
        m_pHost->SetDirty();
}

void CRcpScrollWnd::SelectCurrentAlone()
{
    CListBox& list = GetIngredientList();
    list.SetSel(-1, FALSE);
    list.SetSel(m_currentLine);
}

void CRcpScrollWnd::SetCurrentLine(int nIndex)
{
    m_currentLine = nIndex;
    SelectCurrentAlone();
}

CIngData* CRcpScrollWnd::GetLineAt(int nIndex) const
{
    POSITION at = nIndex >= 0 ? m_pRecipe->m_lines.FindIndex(nIndex) : nullptr;
    return at != nullptr ? static_cast<CIngData*>(m_pRecipe->m_lines.GetAt(at)) : nullptr;
}

BOOL CRcpScrollWnd::CanCopyIngredients() const
{
    return !m_lineEditorOpen && GetIngredientList().GetSelCount() > 0;
}

void CRcpScrollWnd::CopyIngredients()
{
    CIngredientClipboard(GetIngredientList(), *m_pRecipe).Copy();
}

void CRcpScrollWnd::CutIngredients()
{
    if (m_lineEditorOpen || CIngredientClipboard(GetIngredientList(), *m_pRecipe).Cut() == 0)
        return;
    if (m_pRecipe->m_lines.IsEmpty())
        AppendLine();
    m_currentLine = -1;
    LinesChanged();
}

void CRcpScrollWnd::PasteIngredients()
{
    if (m_lineEditorOpen || CIngredientClipboard(GetIngredientList(), *m_pRecipe).Paste() == 0)
        return;
    LinesChanged();
}

void CRcpScrollWnd::DeleteLine()
{
    POSITION at = m_currentLine >= 0 ? m_pRecipe->m_lines.FindIndex(m_currentLine) : nullptr;
    if (at == nullptr)
        return;
    delete m_pRecipe->m_lines.GetAt(at);
    m_pRecipe->m_lines.RemoveAt(at);
    GetIngredientList().DeleteString(static_cast<UINT>(m_currentLine));
    if (m_pRecipe->m_lines.IsEmpty())
        AppendLine();
    m_currentLine = std::min(m_currentLine, static_cast<int>(m_pRecipe->m_lines.GetCount()) - 1);
    SelectCurrentAlone();
    LinesChanged();
    EditLine(m_currentLine);
}

void CRcpScrollWnd::InsertLine()
{
    if (!CommitLineEditor())
        return;
    const int at = std::max(0, m_currentLine);
    auto* pLine = new CIngData;
    POSITION before = m_pRecipe->m_lines.FindIndex(at);
    if (before != nullptr)
        m_pRecipe->m_lines.InsertBefore(before, pLine);
    else
        m_pRecipe->m_lines.AddTail(pLine);
    GetIngredientList().InsertString(at, IngredientListText(*pLine, m_servings));
    m_currentLine = at;
    SelectCurrentAlone();
    LinesChanged();
    EditLine(m_currentLine);
}

void CRcpScrollWnd::AppendLine()
{
    auto* pLine = new CIngData;
    m_pRecipe->m_lines.AddTail(pLine);
    GetIngredientList().AddString(IngredientListText(*pLine, m_servings));
    FitListToLines();
}

void CRcpScrollWnd::GrowToContents()
{
    BOOL grown = FALSE;
    for (int i = 0; i < kEntryCount; ++i)
    {
        Entry& entry = m_entries[i];
        const int needed = entry.spec->rule == kList ? ListLinesNeeded()
                                                     : static_cast<CEdit*>(entry.control.get())->GetLineCount() + 1;
        if (needed > entry.lines)
        {
            entry.lines = needed;
            grown = TRUE;
        }
    }
    if (grown)
        Layout();
}

void CRcpScrollWnd::ReadFields()
{
    for (int i = 0; i < kEntryCount; ++i)
    {
        const Entry& entry = m_entries[i];
        if (entry.spec->text != nullptr)
            m_pRecipe->*entry.spec->text = FieldText(entry);
    }
    int servings = 0;
    if (std::sscanf(FieldText(*EntryOf(10004)), "%d", &servings) == 1 && servings >= 1 && servings <= kMaxServings)
        m_pRecipe->m_servings = static_cast<WORD>(servings);
    m_pRecipe->m_cost = GetDlgItemFloat(m_hWnd, 10009);
}

BOOL CRcpScrollWnd::HasTitle() const
{
    return !FieldText(m_entries[0]).IsEmpty();
}

void CRcpScrollWnd::NextField()
{
    const int focused = FocusedEntry();
    if (focused < 0)
        FocusEditorOrFirstField();
    else
        EnterField((focused + 1) % kEntryCount);
}

void CRcpScrollWnd::PreviousField()
{
    const int focused = FocusedEntry();
    if (focused < 0)
        FocusEditorOrFirstField();
    else
        EnterField((focused + kEntryCount - 1) % kEntryCount);
}

void CRcpScrollWnd::FocusEditorOrFirstField()
{
    if (m_pLineEditor)
        m_pLineEditor->RestoreFocus();
    else
        EnterField(0);
}

void CRcpScrollWnd::NextLine()
{
    if (m_pLineEditor)
        m_pLineEditor->SendMessage(WM_COMMAND, ID_EDIT_FORM_NEXT_LINE);
    else
        MoveLine(1, VK_DOWN);
}

void CRcpScrollWnd::PreviousLine()
{
    if (m_pLineEditor)
        m_pLineEditor->SendMessage(WM_COMMAND, ID_EDIT_FORM_PREVIOUS_LINE);
    else
        MoveLine(-1, VK_UP);
}

int CRcpScrollWnd::FocusedEntry() const
{
    for (HWND hFocus = ::GetFocus(); hFocus != nullptr && hFocus != m_hWnd; hFocus = ::GetParent(hFocus))
    {
        for (int i = 0; i < kEntryCount; ++i)
        {
            if (m_entries[i].control->m_hWnd == hFocus)
                return i;
        }
    }
    return -1;
}

void CRcpScrollWnd::EnterField(int nIndex)
{
    Entry& entry = m_entries[nIndex];
    entry.control->SetFocus();
    if (entry.spec->rule == kList)
    {
        SetCurrentLine(0);
        ShowLine(0);
        return;
    }
    if (entry.spec->rule == kServings || entry.spec->rule == kTime || entry.spec->rule == kCost)
        static_cast<CEdit*>(entry.control.get())->SetSel(0, -1);
    ShowCaret(entry);
}

void CRcpScrollWnd::MoveLine(int nStep, UINT nKey)
{
    const int focused = FocusedEntry();
    if (focused < 0)
        return;
    Entry& entry = m_entries[focused];
    if (entry.spec->rule != kList)
    {
        entry.control->SendMessage(WM_KEYDOWN, nKey, 1);
        return;
    }
    const int last = GetIngredientList().GetCount() - 1;
    SetCurrentLine(std::max(0, std::min(m_currentLine + nStep, last)));
    ShowLine(m_currentLine);
}

CListBox& CRcpScrollWnd::GetIngredientList() const
{
    return *static_cast<CListBox*>(m_entries[5].control.get());
}

int CRcpScrollWnd::GetEntryTop(int nIndex) const
{
    return m_entries[nIndex].top;
}

int CRcpScrollWnd::GetEntryLines(int nIndex) const
{
    return m_entries[nIndex].lines;
}

BOOL CRcpScrollWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // The editor asks to be closed by a posted command: it must not be destroyed inside its
    // own handler.
    if (LOWORD(wParam) == IDC_LINE_CLOSE && lParam == 0)
    {
        CloseLineEditor();
        return TRUE;
    }
    Entry* pEntry = EntryOf(LOWORD(wParam));
    if (pEntry == nullptr || m_settingText)
        return CScrollWnd::OnCommand(wParam, lParam);
    if (pEntry->spec->rule == kList)
    {
        OnListNotify(HIWORD(wParam));
        return CScrollWnd::OnCommand(wParam, lParam);
    }
    switch (HIWORD(wParam))
    {
    case EN_UPDATE: OnFieldUpdate(*pEntry); return TRUE;
    case EN_SETFOCUS: OnFieldSetFocus(*pEntry); return TRUE;
    case EN_KILLFOCUS: OnFieldKillFocus(*pEntry); return TRUE;
    default: return CScrollWnd::OnCommand(wParam, lParam);
    }
}

void CRcpScrollWnd::OnListNotify(UINT nCode)
{
    switch (nCode)
    {
    case LBN_SELCHANGE: OnListSelChange(); break;
    case LBN_DBLCLK: OpenLineEditor(); break;
    case LBN_SETFOCUS:
        if (m_currentLine < 0)
            m_currentLine = CaretLine();
        break;
    case LBN_KILLFOCUS:
        if (!m_lineEditorOpen)
        {
            m_currentLine = -1;
            GetIngredientList().SetSel(-1, FALSE);
        }
        break;
    default: break;
    }
}

// The clicked line is the list's caret line: the mouse position is stale when the click came
// through the keyboard or a test.
int CRcpScrollWnd::CaretLine() const
{
    const int caret = static_cast<int>(GetIngredientList().SendMessage(LB_GETCARETINDEX));
    return std::max(0, caret);
}

void CRcpScrollWnd::OnListSelChange()
{
    const int clicked = CaretLine();
    if (m_lineEditorOpen)
    {
        MoveEditorTo(clicked);
        return;
    }
    m_currentLine = GetIngredientList().GetSelCount() > 1 ? -1 : clicked;
}

BOOL CRcpScrollWnd::MoveEditorTo(int nIndex)
{
    if (nIndex != m_pLineEditor->GetLineIndex() && !m_pLineEditor->Commit())
    {
        m_currentLine = m_pLineEditor->GetLineIndex();
        SelectCurrentAlone();
        return FALSE;
    }
    EditLine(nIndex);
    return TRUE;
}

void CRcpScrollWnd::EditLine(int nIndex)
{
    m_currentLine = nIndex;
    SelectCurrentAlone();
    ShowLine(nIndex);
    CIngData* pLine = GetLineAt(nIndex);
    if (!m_pLineEditor || pLine == nullptr)
        return;
    m_pLineEditor->LoadLine(pLine, nIndex);
    m_pLineEditor->MoveToLine(nIndex);
    if (m_pHost != nullptr)
        m_pHost->SetIngredientLine(pLine);
}

void CRcpScrollWnd::OpenLineEditor()
{
    if (m_lineEditorOpen)
        return;
    CListBox& list = GetIngredientList();
    int line = -1;
    if (list.GetSelCount() != 1 || list.GetSelItems(1, &line) != 1)
        line = CaretLine();
    if (GetLineAt(line) == nullptr)
        return;
    m_currentLine = line;
    SelectCurrentAlone();
    m_lineEditorOpen = TRUE;
    m_pLineEditor = std::make_unique<CIngredientLineDlg>(this, &list);
    if (m_pHost != nullptr)
    {
        m_pPanelWnd = m_pHost->ShowIngredientPanel(this);
        m_pHost->EnablePageButtons(FALSE);
    }
    EditLine(m_currentLine);
    m_pLineEditor->RestoreFocus();
}

BOOL CRcpScrollWnd::CloseLineEditor()
{
    if (!m_lineEditorOpen)
        return TRUE;
    if (!m_pLineEditor->Commit())
        return FALSE;
    DestroyLineEditor();
    if (m_pHost != nullptr)
    {
        m_pHost->HideIngredientPanel();
        m_pHost->EnablePageButtons(TRUE);
    }
    m_currentLine = CaretLine();
    SelectCurrentAlone();
    return TRUE;
}

void CRcpScrollWnd::DestroyLineEditor()
{
    // Closed by its own keys or button: the focus stays in the list rather than going nowhere.
    if (::IsChild(m_pLineEditor->m_hWnd, ::GetFocus()))
        GetIngredientList().SetFocus();
    m_pLineEditor->DestroyWindow();
    m_pLineEditor.reset();
    m_lineEditorOpen = FALSE;
    m_pPanelWnd = nullptr;
}

BOOL CRcpScrollWnd::CommitLineEditor()
{
    return !m_pLineEditor || m_pLineEditor->Commit();
}

int CRcpScrollWnd::IndexOfLine(const CIngData* pLine) const
{
    int index = 0;
    for (POSITION at = m_pRecipe->m_lines.GetHeadPosition(); at != nullptr; ++index)
    {
        if (m_pRecipe->m_lines.GetNext(at) == pLine)
            return index;
    }
    return -1;
}

void CRcpScrollWnd::LineChanged(CIngData* pLine, BOOL bMarkDirty)
{
    const int index = IndexOfLine(pLine);
    if (index < 0)
        return;
    CListBox& list = GetIngredientList();
    const BOOL selected = list.GetSel(index) > 0;
    list.DeleteString(static_cast<UINT>(index));
    list.InsertString(index, IngredientListText(*pLine, m_servings));
    if (selected)
        list.SetSel(index);
    FitListToLines();
    if (bMarkDirty && m_pHost != nullptr)
        m_pHost->SetDirty();
    if (!m_pLineEditor)
        return;
    m_pLineEditor->MoveToLine(index);
    m_pLineEditor->ReloadIngredient();
    if (m_pHost != nullptr)
        m_pHost->SetIngredientLine(pLine);
}

BOOL CRcpScrollWnd::GetEditorIngredientText(CString& text) const
{
    if (!m_pLineEditor)
        return FALSE;
    text = m_pLineEditor->GetIngredientText();
    return TRUE;
}

void CRcpScrollWnd::AfterScroll()
{
    if (m_pLineEditor)
        m_pLineEditor->MoveToLine(m_pLineEditor->GetLineIndex());
}

void CRcpScrollWnd::ScrollByLines(int nLines)
{
    ScrollLines(nLines);
}

void CRcpScrollWnd::ShowLine(int nIndex)
{
    RECT item{};
    if (GetIngredientList().GetItemRect(nIndex, &item) == LB_ERR)
        return;
    const int listTop = m_entries[5].top;
    ShowPageSpan(listTop + item.top, listTop + item.bottom);
}

void CRcpScrollWnd::ShowCaret(Entry& entry)
{
    const int caretLine = static_cast<CEdit*>(entry.control.get())->LineFromChar(-1);
    const int top = entry.top + caretLine * m_lineHeight;
    ShowPageSpan(top, top + m_lineHeight);
}

void CRcpScrollWnd::ShowPageSpan(int nTop, int nBottom)
{
    const int windowTop = m_topLine * m_lineHeight;
    const int visibleLines = std::max(1, m_height / m_lineHeight);
    if (nTop < windowTop)
        ScrollLines(nTop / m_lineHeight - 1 - m_topLine);
    else if (nBottom + m_lineHeight > windowTop + m_height)
        ScrollLines((nBottom + m_lineHeight - 1) / m_lineHeight + 1 - visibleLines - m_topLine);
}

void CRcpScrollWnd::OnFieldSetFocus(Entry&)
{
    CloseLineEditor();
}

CRcpScrollWnd::Entry* CRcpScrollWnd::EntryOf(UINT nId)
{
    for (int i = 0; i < kEntryCount; ++i)
    {
        if (m_entries[i].spec != nullptr && m_entries[i].spec->id == nId)
            return &m_entries[i];
    }
    return nullptr;
}

void CRcpScrollWnd::OnFieldUpdate(Entry& entry)
{
    if (entry.spec->rule == kServings)
        CheckServings(entry);
    else if (entry.spec->rule == kCost)
        CheckCost(entry);
    else if (entry.spec->maximum > 0)
    {
        CString maximum;
        maximum.Format("%d", entry.spec->maximum);
        CheckFieldLength(entry.control->m_hWnd, entry.spec->maximum, entry.label, maximum);
    }
    if (entry.spec->text != nullptr)
        m_pRecipe->*entry.spec->text = FieldText(entry);
    if (entry.spec->style & ES_WANTRETURN)
        GrowAtCaret(entry);
    ShowCaret(entry);
    if (m_pHost != nullptr)
        m_pHost->SetDirty();
}

void CRcpScrollWnd::CheckCost(Entry& entry)
{
    const CString text = FieldText(entry);
    if (text.GetLength() <= kCostLength)
        return;
    MessageBoxById(m_hWnd, nullptr, IDS_COST_TOO_LARGE, MB_ICONEXCLAMATION);
    SetFieldText(entry, text.Left(kCostLength));
    static_cast<CEdit*>(entry.control.get())->SetSel(kCostLength, kCostLength);
}

void CRcpScrollWnd::CheckServings(Entry& entry)
{
    const CString text = FieldText(entry);
    if (text.IsEmpty())
        return;
    int servings = 0;
    if (IsAllDigits(text) && std::sscanf(text, "%d", &servings) == 1 && servings >= 1 && servings <= kMaxServings)
    {
        m_pRecipe->m_servings = static_cast<WORD>(servings);
        return;
    }
    ShowServingsLimitMessage();
    SetFieldText(entry, "1");
    m_pRecipe->m_servings = 1;
    static_cast<CEdit*>(entry.control.get())->SetSel(0, -1);
}

void CRcpScrollWnd::GrowAtCaret(Entry& entry)
{
    const int caretLine = static_cast<CEdit*>(entry.control.get())->LineFromChar(-1);
    if (caretLine + 1 != entry.lines)
        return;
    ++entry.lines;
    Layout();
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void CRcpScrollWnd::OnFieldKillFocus(Entry& entry)
{
    if (entry.spec->rule == kCleanText || entry.spec->rule == kCost)
    {
        const CString text = FieldText(entry);
        const CString clean = WithoutBreaks(text);
        if (clean != text)
            SetFieldText(entry, clean);
        if (entry.spec->text != nullptr)
            m_pRecipe->*entry.spec->text = clean;
    }
    else if (entry.spec->rule == kTime)
    {
        int hours = 0;
        int minutes = 0;
        ParseTimeText(FieldText(entry), hours, minutes);
        const CString time = FormatTimeText(hours, minutes);
        m_pRecipe->*entry.spec->text = time;
        SetFieldText(entry, time);
    }
}

CString CRcpScrollWnd::FieldText(const Entry& entry) const
{
    CString text;
    entry.control->GetWindowText(text);
    return text;
}

void CRcpScrollWnd::SetFieldText(Entry& entry, const CString& text)
{
    const BOOL wasSetting = m_settingText;
    m_settingText = TRUE;
    entry.control->SetWindowText(text);
    m_settingText = wasSetting;
}

