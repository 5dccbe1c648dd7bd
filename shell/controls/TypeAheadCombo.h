#pragma once

#include "framework/ComboBox.h"

class CIngredientSearch;

// A combo box of ingredient names that completes what the user types: its list holds the
// ingredients found for the typed beginning, each with its id as item data. A search that
// found nothing is not repeated for longer texts that begin the same way.
class CTypeAheadCombo : public CComboBox
{
public:
    void SetIngredientSearch(CIngredientSearch* pSearch) { m_pSearch = pSearch; }
    void SetText(LPCSTR lpszText);
    void Refill();

protected:
    DECLARE_MESSAGE_MAP()
    void OnEditChange();
    void OnEditUpdate();

private:
    CString EditText() const;
    void RefillKeepingText(const CString& text);

    CIngredientSearch* m_pSearch = nullptr;
    CString m_queryPrefix;
    CString m_matchedText;
    CString m_typedText;
    CString m_lastText;
    int m_lastQueryLength = 0;
    int m_matchCount = 0;
    BOOL m_nothingFound = FALSE;
};
