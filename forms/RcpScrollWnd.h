#pragma once

#include <memory>

#include "forms/ScrollWnd.h"
#include "framework/String.h"

class CIngData;
class CIngredientLineDlg;
class CListBox;
class CRecipeData;
class CRecipeFieldHost;

// The recipe being edited as a page of fields, Title to Page, with its ingredient lines in an
// owner-drawn list, laid out in rows and columns. Fields grow as their text needs more lines,
// and hold their length and value rules while the user types.
class CRcpScrollWnd : public CScrollWnd
{
public:
    static const int kEntryCount = 15;

    // The recipe is the form's working copy, not owned.
    CRcpScrollWnd(CWnd* pParent, const RECT& rect, CRecipeData* pRecipe, CRecipeFieldHost* pHost);
    ~CRcpScrollWnd() override;

    // Fields and list from the recipe.
    void LoadRecipe();
    // Fields to the recipe.
    void ReadFields();
    BOOL HasTitle() const;

    // Ingredient lines through the clipboard; lines move only while no line editor is open.
    BOOL CanCopyIngredients() const;
    void CopyIngredients();
    void CutIngredients();
    void PasteIngredients();
    BOOL IsLineEditorOpen() const { return m_lineEditorOpen; }

    // The line editor over the list, on the single selected line or else the caret line.
    void OpenLineEditor();
    // Commits the line first. FALSE when that commit failed: the editor stays open on its line.
    BOOL CloseLineEditor();
    // TRUE when no editor is open or its line was committed.
    BOOL CommitLineEditor();
    CIngredientLineDlg* GetLineEditor() const { return m_pLineEditor.get(); }
    // The ingredient panel's window while the editor is open, else null.
    CWnd* GetIngredientPanelWindow() const { return m_pPanelWnd; }
    // The line's text again, after the editor committed it or the ingredient panel changed it.
    void LineChanged(CIngData* pLine, BOOL bMarkDirty);
    // Scrolls so that list line nIndex and the line below it lie inside the window.
    void ShowLine(int nIndex);
    // Scrolls by whole lines (negative: up), held to the page.
    void ScrollByLines(int nLines);

    // The current line goes; the list never becomes empty.
    void DeleteLine();
    // A new empty line before the current one becomes current.
    void InsertLine();
    // A new empty line at the end.
    void AppendLine();
    int GetCurrentLine() const { return m_currentLine; }
    void SetCurrentLine(int nIndex);
    // The recipe's line at nIndex, or null.
    CIngData* GetLineAt(int nIndex) const;
    // Line nIndex becomes current, selected alone and shown, and the open editor and the
    // ingredient panel take it.
    void EditLine(int nIndex);

    // Tab and Shift+Tab: the fields in layout order, round from the last to the first.
    void NextField();
    void PreviousField();
    // Down and Up: in the list the current line moves, in a text field the caret does.
    void NextLine();
    void PreviousLine();

    CListBox& GetIngredientList() const;
    // The entry's page top in pixels, and its height in lines.
    int GetEntryTop(int nIndex) const;
    int GetEntryLines(int nIndex) const;
    int GetTotalLines() const { return m_totalLines; }

protected:
    void CreateChildren() override;
    void AfterScroll() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    struct Entry;

    void CreateEntry(Entry& entry);
    void Layout();
    void FillIngredientList();
    // The list as high as its lines need, and the page laid out again.
    void FitListToLines();
    int ListLinesNeeded() const;
    void LinesChanged();
    void SelectCurrentAlone();
    // -1 when the focus is in none of the entries.
    int FocusedEntry() const;
    void EnterField(int nIndex);
    void MoveLine(int nStep, UINT nKey);
    void GrowToContents();
    Entry* EntryOf(UINT nId);
    void OnListNotify(UINT nCode);
    int IndexOfLine(const CIngData* pLine) const;
    void OnListSelChange();
    // Keeps the editor on its line when the line it leaves fails its commit.
    BOOL MoveEditorTo(int nIndex);
    void DestroyLineEditor();
    void FocusEditorOrFirstField();
    int CaretLine() const;
    // Scrolls so that the page span top..bottom (pixels) and one line below it are shown.
    void ShowPageSpan(int nTop, int nBottom);
    void ShowCaret(Entry& entry);
    void OnFieldSetFocus(Entry& entry);
    void OnFieldUpdate(Entry& entry);
    void OnFieldKillFocus(Entry& entry);
    void CheckServings(Entry& entry);
    void CheckCost(Entry& entry);
    void GrowAtCaret(Entry& entry);
    CString FieldText(const Entry& entry) const;
    void SetFieldText(Entry& entry, const CString& text);

    CRecipeData* m_pRecipe;
    CRecipeFieldHost* m_pHost;
    std::unique_ptr<Entry[]> m_entries;
    int m_totalLines;
    int m_servings;
    int m_currentLine;
    BOOL m_lineEditorOpen;
    std::unique_ptr<CIngredientLineDlg> m_pLineEditor;
    CWnd* m_pPanelWnd = nullptr;
    // Text written back by the window itself is not the user's typing.
    BOOL m_settingText;
};
