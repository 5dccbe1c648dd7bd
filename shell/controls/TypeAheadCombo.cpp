#include "shell/controls/TypeAheadCombo.h"

#include <windows.h>

#include "framework/MessageMap.h"
#include "shell/controls/DialogControls.h"
#include "shell/controls/IngredientSearch.h"
#include "shell/services/WaitCursor.h"

BEGIN_MESSAGE_MAP(CTypeAheadCombo, CComboBox)
    ON_CONTROL_REFLECT(CBN_EDITCHANGE, OnEditChange)
    ON_CONTROL_REFLECT(CBN_EDITUPDATE, OnEditUpdate)
END_MESSAGE_MAP()

CString CTypeAheadCombo::EditText() const
{
    CString text;
    GetWindowText(text);
    return text;
}

void CTypeAheadCombo::Refill()
{
    bool narrowsAFailedSearch = m_queryPrefix.GetLength() > m_lastQueryLength && m_nothingFound;
    if (m_pSearch == nullptr || narrowsAFailedSearch)
        return;
    SetWaitCursor(1);
    std::vector<IngredientMatch> matches = m_pSearch->Search(m_queryPrefix);
    m_lastQueryLength = m_queryPrefix.GetLength();
    m_matchCount = static_cast<int>(matches.size());
    m_nothingFound = matches.empty();
    ResetContent();
    for (const IngredientMatch& match : matches)
        SetItemData(AddString(match.name), static_cast<DWORD_PTR>(match.id));
    SetWaitCursor(0);
}

// Emptying the list empties the edit field too: the text is put back.
void CTypeAheadCombo::RefillKeepingText(const CString& text)
{
    Refill();
    SetWindowText(text);
}

void CTypeAheadCombo::OnEditChange()
{
    m_typedText = EditText();
    bool grew = m_typedText.GetLength() > m_lastText.GetLength();
    bool newFirstLetter = m_typedText.GetLength() == 1 && (m_lastText.IsEmpty() || m_typedText[0] != m_lastText[0]);
    if (grew || newFirstLetter)
    {
        m_queryPrefix = m_typedText;
        RefillKeepingText(m_typedText);
    }
    CompleteComboText(m_hWnd, m_typedText, m_lastText);
    m_lastText = m_typedText;
}

void CTypeAheadCombo::OnEditUpdate()
{
    CString text = EditText();
    if (text.IsEmpty())
        return;
    m_queryPrefix = text.Left(1);
    if (m_matchCount > 1 && m_queryPrefix == m_matchedText)
        return;
    RefillKeepingText(text);
    m_matchedText = m_queryPrefix;
}

void CTypeAheadCombo::SetText(LPCSTR lpszText)
{
    SetWindowText(lpszText);
    SelectString(-1, lpszText);
}
