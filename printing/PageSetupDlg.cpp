#include "printing/PageSetupDlg.h"

#include "framework/DataExchange.h"
#include "res/resource.h"

CPageSetupDlg::CPageSetupDlg() : CDialog(IDD_PAGE_SETUP), m_values(*g_pAppSettings->GetPrintRecord())
{
}

void CPageSetupDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_TOP_MARGIN, m_values.TopMargin);
    DDX_Text(pDX, IDC_LEFT_MARGIN, m_values.LeftMargin);
    DDX_Text(pDX, IDC_BOTTOM_MARGIN, m_values.BottomMargin);
    DDX_Text(pDX, IDC_RIGHT_MARGIN, m_values.RightMargin);
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
