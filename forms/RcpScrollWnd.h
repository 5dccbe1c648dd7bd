#pragma once

#include <memory>

#include "forms/ScrollWnd.h"
#include "framework/String.h"

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

    // The current line goes; the list never becomes empty.
    void DeleteLine();
    // A new empty line before the current one becomes current.
    void InsertLine();
    // A new empty line at the end.
    void AppendLine();
    int GetCurrentLine() const { return m_currentLine; }
    void SetCurrentLine(int nIndex);

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
    void OnFieldUpdate(Entry& entry);
    void OnFieldKillFocus(Entry& entry);
    void CheckServings(Entry& entry);
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
    // Text written back by the window itself is not the user's typing.
    BOOL m_settingText;
};
