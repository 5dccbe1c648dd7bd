#include "shell/services/StatusPopupDlg.h"

#include <windows.h>

#include "res/resource.h"
#include "shell/graphics/ControlFontSpec.h"
#include "shell/graphics/FontFaces.h"
#include "shell/controls/IconButton.h"
#include "shell/settings/WindowPlacement.h"

namespace {
const UINT_PTR kCloseTimer = 2;
const long kTwoLines = 2;
const int kIconFontHeight = 14;

CString LoadText(UINT nId)
{
    CString text;
    text.LoadString(nId);
    return text;
}

}  // namespace

BEGIN_MESSAGE_MAP(CStatusPopupDlg, CDialog)
    ON_WM_TIMER()
END_MESSAGE_MAP()

CStatusPopupDlg::CStatusPopupDlg(CWnd* pParent, LPCSTR lpszMessage, UINT nIconId, long seconds, long modal, long lines)
    : CDialog(IDD_STATUS_POPUP, pParent), m_iconId(nIconId), m_seconds(seconds), m_line1(lpszMessage), m_modal(modal),
      m_lines(lines)
{
    if (m_modal == 0)
        Create(IDD_STATUS_POPUP, pParent);
}

CStatusPopupDlg::CStatusPopupDlg(CWnd* pParent, UINT nMessageId, UINT nIconId, long seconds, long modal, long lines)
    : CStatusPopupDlg(pParent, static_cast<LPCSTR>(LoadText(nMessageId)), nIconId, seconds, modal, lines)
{
}

CStatusPopupDlg::~CStatusPopupDlg()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
    delete m_pIconButton;
}

BOOL CStatusPopupDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (m_lines == kTwoLines)
        HalveFirstLine();
    SetDlgItemText(IDC_STATUS_LINE1, m_line1);
    AttachIconButton();
    CenterWindowOver(this, m_pParentWnd);
    if (m_seconds != 0)
        SetTimer(kCloseTimer, static_cast<UINT>(m_seconds * 1000));
    ShowWindow(SW_SHOWNA);
    return TRUE;
}

void CStatusPopupDlg::AttachIconButton()
{
    CString picture;
    picture.LoadString(m_iconId);
    m_pIconButton =
        new CIconButton(CControlFontSpec(IDC_STATUS_ICON, kIconFontHeight, GetSansFaceId(), FW_NORMAL), picture, "");
    m_pIconButton->SetPictureLayout(CItemPainter::PictureAbove);
    m_pIconButton->SubclassDlgItem(IDC_STATUS_ICON, this);
}

void CStatusPopupDlg::HalveFirstLine()
{
    CWnd* pLine = GetDlgItem(IDC_STATUS_LINE1);
    if (pLine == nullptr)
        return;
    CRect rect;
    pLine->GetWindowRect(&rect);
    ScreenToClient(&rect);
    pLine->MoveWindow(rect.left, rect.top, rect.Width(), rect.Height() / 2);
}

void CStatusPopupDlg::SetText(LPCSTR lpszText, int nLine)
{
    CString& line = nLine == 1 ? m_line1 : m_line2;
    line = lpszText;
    if (m_hWnd != nullptr)
        SetDlgItemText(nLine == 1 ? IDC_STATUS_LINE1 : IDC_STATUS_LINE2, line);
}

void CStatusPopupDlg::SetText(UINT nTextId, int nLine)
{
    CString text;
    text.LoadString(nTextId);
    SetText(text, nLine);
}

void CStatusPopupDlg::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kCloseTimer)
        Close();
}

void CStatusPopupDlg::Close()
{
    if (m_hWnd == nullptr)
        return;
    KillTimer(kCloseTimer);
    if (m_modal != 0)
        EndDialog(0);
    else
        DestroyWindow();
}
