#include "framework/DataExchange.h"

#include <windows.h>

#include <cerrno>
#include <cfloat>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "framework/AfxMessageBox.h"
#include "framework/String.h"
#include "framework/Wnd.h"

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd)
{
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    m_hWndLastControl = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
    m_bEditLastControl = FALSE;
    return m_hWndLastControl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND hWnd = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hWnd;
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && m_hWndLastControl != nullptr)
    {
        ::SetFocus(m_hWndLastControl);
        if (m_bEditLastControl)
            ::SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    throw Failure();
}

namespace {

CString ControlText(HWND hWnd)
{
    CString text;
    if (hWnd != nullptr)
        CWnd::FromHandle(hWnd)->GetWindowText(text);
    return text;
}

// A whole number in [minValue, maxValue]: optional blanks around an
// optional sign and decimal digits, nothing else.
bool ParseWhole(const CString& text, long long minValue, long long maxValue, long long& result)
{
    CString trimmed = text;
    trimmed.Trim();
    if (trimmed.IsEmpty())
        return false;
    char* pEnd = nullptr;
    errno = 0;
    const long long value = std::strtoll(trimmed, &pEnd, 10);
    if (errno != 0 || *pEnd != '\0' || value < minValue || value > maxValue)
        return false;
    result = value;
    return true;
}

bool ParseReal(const CString& text, double& result)
{
    CString trimmed = text;
    trimmed.Trim();
    if (trimmed.IsEmpty())
        return false;
    char* pEnd = nullptr;
    errno = 0;
    const double value = std::strtod(trimmed, &pEnd);
    if (errno != 0 || *pEnd != '\0')
        return false;
    result = value;
    return true;
}

template <typename T>
void ExchangeWhole(CDataExchange* pDX, int nIDC, T& value)
{
    HWND hWnd = pDX->PrepareEditCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate)
    {
        char text[32];
        if (std::numeric_limits<T>::is_signed)
            std::snprintf(text, sizeof text, "%lld", static_cast<long long>(value));
        else
            std::snprintf(text, sizeof text, "%llu", static_cast<unsigned long long>(value));
        ::SetWindowTextA(hWnd, text);
        return;
    }
    long long parsed = 0;
    if (!ParseWhole(ControlText(hWnd), static_cast<long long>(std::numeric_limits<T>::min()),
                    static_cast<long long>(std::numeric_limits<T>::max()), parsed))
    {
        AfxMessageBox("Please enter a whole number.", MB_ICONEXCLAMATION);
        pDX->Fail();
    }
    value = static_cast<T>(parsed);
}

template <typename T>
void ExchangeReal(CDataExchange* pDX, int nIDC, T& value, int nDigits)
{
    HWND hWnd = pDX->PrepareEditCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate)
    {
        char text[64];
        std::snprintf(text, sizeof text, "%.*g", nDigits, static_cast<double>(value));
        ::SetWindowTextA(hWnd, text);
        return;
    }
    double parsed = 0;
    if (!ParseReal(ControlText(hWnd), parsed) || parsed > std::numeric_limits<T>::max() ||
        parsed < std::numeric_limits<T>::lowest())
    {
        AfxMessageBox("Please enter a number.", MB_ICONEXCLAMATION);
        pDX->Fail();
    }
    value = static_cast<T>(parsed);
}

}  // namespace

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWnd = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = ControlText(hWnd);
    else
        ::SetWindowTextA(hWnd, value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    ExchangeWhole(pDX, nIDC, value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value)
{
    ExchangeWhole(pDX, nIDC, value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, long& value)
{
    ExchangeWhole(pDX, nIDC, value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value)
{
    ExchangeWhole(pDX, nIDC, value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, short& value)
{
    ExchangeWhole(pDX, nIDC, value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, WORD& value)
{
    ExchangeWhole(pDX, nIDC, value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, double& value)
{
    ExchangeReal(pDX, nIDC, value, DBL_DIG);
}

void DDX_Text(CDataExchange* pDX, int nIDC, float& value)
{
    ExchangeReal(pDX, nIDC, value, FLT_DIG);
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessageA(hWnd, BM_GETCHECK, 0, 0));
    else
        ::SendMessageA(hWnd, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = -1;
    // The group runs from the first button to the next control with WS_GROUP.
    int index = 0;
    do
    {
        if (pDX->m_bSaveAndValidate)
        {
            if (::SendMessageA(hWnd, BM_GETCHECK, 0, 0) == BST_CHECKED)
                value = index;
        }
        else
        {
            ::SendMessageA(hWnd, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        ++index;
        hWnd = ::GetWindow(hWnd, GW_HWNDNEXT);
    } while (hWnd != nullptr && (::GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_GROUP) == 0);
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = static_cast<int>(::SendMessageA(hWnd, CB_GETCURSEL, 0, 0));
    else
        ::SendMessageA(hWnd, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = static_cast<int>(::SendMessageA(hWnd, LB_GETCURSEL, 0, 0));
    else
        ::SendMessageA(hWnd, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        value = ControlText(hWnd);
        return;
    }
    // Select the entry that begins with the text; else show the text as typed.
    if (::SendMessageA(hWnd, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(value.GetString())) ==
        CB_ERR)
        ::SetWindowTextA(hWnd, value);
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd == nullptr)
        rControl.SubclassWindow(pDX->PrepareCtrl(nIDC));
}
