#include "exchange/ExchangeTypeCombo.h"

#include <windows.h>

#include "exchange/ResourceText.h"
#include "framework/Wnd.h"
#include "res/resource.h"

void FillExchangeTypeCombo(CWnd& dialog, UINT nFirstText, int nCount)
{
    for (int i = 0; i < nCount; ++i)
        dialog.SendDlgItemMessage(IDC_EXCHANGE_TYPE, CB_ADDSTRING, 0,
                                  reinterpret_cast<LPARAM>(LoadResourceText(nFirstText + i).GetString()));
    dialog.SendDlgItemMessage(IDC_EXCHANGE_TYPE, CB_SETCURSEL, 0);
    dialog.SendDlgItemMessage(IDC_EXCHANGE_TYPE, CB_SETEXTENDEDUI, TRUE);
}
