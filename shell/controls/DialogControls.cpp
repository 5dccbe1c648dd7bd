#include "shell/controls/DialogControls.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "database/ListItem.h"
#include "framework/BitmapButton.h"
#include "framework/ClientDC.h"
#include "framework/ComboBox.h"
#include "framework/DC.h"
#include "framework/MapStringToPtr.h"
#include "framework/ObList.h"
#include "framework/Wnd.h"
#include "framework/String.h"
#include "res/resource.h"
#include "shell/services/PlainMessageBox.h"

namespace {

int s_forcedColourBits = 0;

CString Load(UINT nId)
{
    CString text;
    text.LoadString(nId);
    return text;
}

CString WindowText(HWND hWnd)
{
    CString text;
    const int length = GetWindowTextLengthA(hWnd);
    GetWindowTextA(hWnd, text.GetBuffer(length), length + 1);
    text.ReleaseBuffer();
    return text;
}

}  // namespace

double GetDlgItemFloat(HWND hDialog, int nId, BOOL* pTranslated)
{
    char text[17] = "";
    GetDlgItemTextA(hDialog, nId, text, sizeof text);
    float value = 0.0f;
    const BOOL translated = std::sscanf(text, "%f", &value) == 1;
    if (pTranslated != nullptr)
        *pTranslated = translated;
    return translated ? value : 0.0;
}

void SetDlgItemFloat(HWND hDialog, int nId, double value)
{
    if (value < 0.0 || value > 1e12)
        value = 0.0;
    CString text;
    text.Format("%.2f", value);
    const int zeros = text.Find(".00");
    if (zeros >= 0)
        text = text.Left(zeros + 1);
    SetDlgItemTextA(hDialog, nId, text);
}

void CheckFieldLength(HWND hEdit, int nMaximum, LPCSTR lpszFieldName, LPCSTR lpszMaximumText)
{
    const CString text = WindowText(hEdit);
    if (text.GetLength() <= nMaximum)
        return;
    CString message;
    message.Format(Load(IDS_FIELD_TOO_LONG), lpszFieldName, lpszMaximumText);
    ShowShellMessageBox(GetParent(hEdit), message, Load(24851), MB_OK);
    SetWindowTextA(hEdit, text.Left(nMaximum));
}

void CompleteComboText(HWND hCombo, CString& text, CString& lastText)
{
    text = WindowText(hCombo);
    const BOOL grew = text.GetLength() > lastText.GetLength();
    const BOOL firstChanged = !text.IsEmpty() && (lastText.IsEmpty() || text[0] != lastText[0]);
    if (!grew && !firstChanged)
    {
        lastText = text;
        return;
    }
    lastText = text;
    const LRESULT found =
        SendMessageA(hCombo, CB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.GetString()));
    if (found == CB_ERR)
        return;
    const LRESULT length = SendMessageA(hCombo, CB_GETLBTEXTLEN, static_cast<WPARAM>(found), 0);
    CString completed;
    SendMessageA(hCombo, CB_GETLBTEXT, static_cast<WPARAM>(found),
                 reinterpret_cast<LPARAM>(completed.GetBuffer(static_cast<int>(length))));
    completed.ReleaseBuffer();
    SetWindowTextA(hCombo, completed);
    SendMessageA(hCombo, CB_SETEDITSEL, 0, MAKELPARAM(text.GetLength(), -1));
}

void ShowServingsLimitMessage()
{
    CString message;
    message.Format(Load(IDS_SERVINGS_LIMIT), "999");
    ShowShellMessageBox(GetActiveWindow(), message, Load(24851), MB_OK);
}

int GetScreenColourBits()
{
    if (s_forcedColourBits != 0)
        return s_forcedColourBits;
    CClientDC screen(nullptr);
    return screen.GetDeviceCaps(PLANES) * screen.GetDeviceCaps(BITSPIXEL);
}

void ForceScreenColourBits(int nBits)
{
    s_forcedColourBits = nBits;
}

BOOL HasEnoughColours(int nColours)
{
    const int bits = GetScreenColourBits();
    if (bits >= 31 || (1LL << bits) >= nColours)
        return TRUE;
    int highest = 0;
    for (int n = nColours; n > 0; n >>= 1)
        ++highest;
    return highest - 1 <= bits;
}

BOOL AttachBitmapButton(CBitmapButton& button, CWnd* pParent, UINT nId, LPCSTR lpszUp, LPCSTR lpszDown,
                        LPCSTR lpszFocus, LPCSTR lpszGreyed)
{
    if (!button.LoadBitmaps(lpszUp, lpszDown, lpszFocus, lpszGreyed) || !button.SubclassDlgItem(nId, pParent))
        return FALSE;
    button.SizeToContent();
    button.Invalidate();
    button.UpdateWindow();
    return TRUE;
}

void FillComboFromList(CComboBox& combo, const CObList& items, CMapStringToPtr* pIdMap)
{
    for (POSITION pos = items.GetHeadPosition(); pos != nullptr;)
    {
        CListItem* pItem = static_cast<CListItem*>(items.GetNext(pos));
        const int index = combo.AddString(pItem->m_name);
        combo.SetItemData(index, reinterpret_cast<DWORD_PTR>(pItem));
        if (pIdMap != nullptr)
            pIdMap->SetAt(pItem->m_id.GetText(), pItem);
    }
}

HBRUSH FormBackgroundBrush(CDC* pDC, const CWnd* pWnd, const CWnd* pForm, UINT nCtlColor, HBRUSH hBackground)
{
    if (nCtlColor == CTLCOLOR_STATIC)
    {
        ::SetBkMode(pDC->m_hDC, TRANSPARENT);
        return hBackground;
    }
    if (nCtlColor == CTLCOLOR_DLG || (pWnd != nullptr && pWnd->m_hWnd == pForm->m_hWnd))
        return hBackground;
    return nullptr;
}
