#include "printing/PageSetupDlg.h"

#include <cstdlib>

#include "framework/AfxMessageBox.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "shell/services/HelpService.h"
#include "shell/settings/WindowPlacement.h"

namespace {

const UINT kPageSetupHelpContext = 2019;
const int kPageSizeChoices = 6;
// The choices' entries are single characters from 'q' on.
const char kFirstChoiceCharacter = 'q';
// A margin edit is read up to this many characters.
const int kMarginChars = 8;
// Device modes give a user-defined paper in tenths of a millimetre.
const double kTenthsOfMmPerInch = 254.0;
// Margins leave at least an inch of the page.
const double kMinTextInches = 1.0;

struct CardLayout
{
    double width;
    double height;
    int perSheet;
    int arrangement;
};

const CardLayout kCardLayouts[kPageSizeChoices] = {
    {0, 0, 0, 0}, {5, 3, 1, 0}, {6, 4, 1, 0}, {5, 3, 3, 0}, {6, 4, 2, 0}, {5, 3, 2, 1},
};

}  // namespace

BEGIN_MESSAGE_MAP(CPageSetupDlg, CDialog)
    ON_BN_CLICKED(IDC_HELP_BUTTON, OnHelpButton)
END_MESSAGE_MAP()

CPageSetupDlg::CPageSetupDlg()
    : CDialog(IDD_PAGE_SETUP), m_values(*g_pAppSettings->GetPrintRecord()), m_previousHelpContext(0),
      m_helpContextSet(false)
{
}

CPageSetupDlg::~CPageSetupDlg()
{
    if (m_helpContextSet)
        SetHelpContext(m_previousHelpContext);
}

BOOL CPageSetupDlg::OnInitDialog()
{
    m_previousHelpContext = SetHelpContext(kPageSetupHelpContext);
    m_helpContextSet = true;
    for (int i = 0; i < kPageSizeChoices; ++i)
    {
        const char entry[2] = {static_cast<char>(kFirstChoiceCharacter + i), '\0'};
        SendDlgItemMessage(IDC_PAGE_SIZE, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
    }
    SendDlgItemMessage(IDC_PAGE_SIZE, LB_SETCURSEL, m_values.SelectedPageSize);
    for (const auto& margin :
         {std::make_pair(IDC_TOP_MARGIN, m_values.TopMargin), std::make_pair(IDC_LEFT_MARGIN, m_values.LeftMargin),
          std::make_pair(IDC_BOTTOM_MARGIN, m_values.BottomMargin),
          std::make_pair(IDC_RIGHT_MARGIN, m_values.RightMargin)})
    {
        char text[32];
        std::snprintf(text, sizeof text, "%g", margin.second);
        SetDlgItemText(margin.first, text);
    }
    CenterWindowOver(this, nullptr);
    return TRUE;
}

double CPageSetupDlg::ReadMargin(int nID) const
{
    char text[kMarginChars + 1] = "";
    ::GetDlgItemTextA(m_hWnd, nID, text, sizeof text);
    return std::atof(text);
}

void CPageSetupDlg::OnOK()
{
    PrintSettings values = m_values;
    const LRESULT nChoice = SendDlgItemMessage(IDC_PAGE_SIZE, LB_GETCURSEL);
    CWinApp* pApp = AfxGetApp();
    ApplyPageChoice(values, nChoice == LB_ERR ? 0 : static_cast<int>(nChoice),
                    pApp != nullptr ? pApp->GetPrinterDeviceDefaults() : nullptr);
    values.TopMargin = ReadMargin(IDC_TOP_MARGIN);
    values.LeftMargin = ReadMargin(IDC_LEFT_MARGIN);
    values.BottomMargin = ReadMargin(IDC_BOTTOM_MARGIN);
    values.RightMargin = ReadMargin(IDC_RIGHT_MARGIN);
    if (const UINT nMessage = CheckMargins(values))
    {
        AfxMessageBox(nMessage, MB_ICONEXCLAMATION);
        return;
    }
    m_values = values;
    EndDialog(IDOK);
}

void CPageSetupDlg::ApplyPageChoice(PrintSettings& record, int nChoice, const DEVMODEA* pPrinterDefaults)
{
    record.PageWidth = 8.5;
    record.PageHeight = 11.0;
    if (pPrinterDefaults != nullptr && pPrinterDefaults->dmPaperSize == DMPAPER_LEGAL)
        record.PageHeight = 14.0;
    else if (pPrinterDefaults != nullptr && pPrinterDefaults->dmPaperSize == DMPAPER_USER)
    {
        record.PageWidth = pPrinterDefaults->dmPaperWidth / kTenthsOfMmPerInch;
        record.PageHeight = pPrinterDefaults->dmPaperLength / kTenthsOfMmPerInch;
    }
    record.SubPages = 0;
    record.Orientation = 0;
    if (nChoice < 0 || nChoice >= kPageSizeChoices)
        nChoice = 0;
    record.SelectedPageSize = nChoice;
    if (nChoice == 0)
        return;
    const CardLayout& card = kCardLayouts[nChoice];
    record.PageWidth = card.width;
    record.PageHeight = card.height;
    record.SubPages = card.perSheet;
    record.Orientation = card.arrangement;
}

UINT CPageSetupDlg::CheckMargins(const PrintSettings& record)
{
    if (record.TopMargin < 0 || record.BottomMargin < 0 || record.LeftMargin < 0 || record.RightMargin < 0)
        return IDS_MARGINS_NEGATIVE;
    if (record.LeftMargin + record.RightMargin > record.PageWidth - kMinTextInches)
        return IDS_MARGINS_TOO_WIDE;
    if (record.TopMargin + record.BottomMargin > record.PageHeight - kMinTextInches)
        return IDS_MARGINS_TOO_TALL;
    return 0;
}

void CPageSetupDlg::OnHelpButton()
{
    ShowHelp(HELP_CONTEXT, kPageSetupHelpContext, IDS_HELP_FILE);
}

void CPageSetupDlg::CopyPageFieldsTo(PrintSettings& record) const
{
    record.PageWidth = m_values.PageWidth;
    record.PageHeight = m_values.PageHeight;
    record.SubPages = m_values.SubPages;
    record.TopMargin = m_values.TopMargin;
    record.BottomMargin = m_values.BottomMargin;
    record.LeftMargin = m_values.LeftMargin;
    record.RightMargin = m_values.RightMargin;
    record.Orientation = m_values.Orientation;
    record.SelectedPageSize = m_values.SelectedPageSize;
}
