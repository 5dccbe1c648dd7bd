#include "exchange/DbfSource.h"

#include "exchange/DbfTable.h"
#include "exchange/SourceFileKind.h"
#include "exchange/SourceTable.h"

BOOL CDbfSource::Open(const CString& chosenPath)
{
    m_folder.Empty();
    if (CSourceFileKind::Detect(chosenPath) != CSourceFileKind::kDbf)
        return FALSE;
    const int slash = chosenPath.ReverseFind('\\');
    m_folder = slash < 0 ? CString(".") : chosenPath.Left(slash);
    return TRUE;
}

BOOL CDbfSource::OpenTable(const CString& name, CSourceTable& table, const CStringList* columns) const
{
    CDbfTable file;
    // Windows file names ignore case, so the table's name finds its file as spelt on disk.
    const BOOL opened = !m_folder.IsEmpty() && name.Find('\\') < 0 && file.Open(m_folder + "\\" + name + ".DBF");
    table.Load(file, columns);
    return opened;
}
