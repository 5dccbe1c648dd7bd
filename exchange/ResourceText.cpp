#include "exchange/ResourceText.h"

CString LoadResourceText(UINT nId)
{
    CString text;
    text.LoadString(nId);
    return text;
}
