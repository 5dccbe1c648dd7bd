#include "database/CookbookDatabase.h"

#include "database/CookbookTransaction.h"
#include "database/FieldValue.h"
#include "database/GenericRecordset.h"
#include "database/PortRecordset.h"
#include "database/RefItemArray.h"
#include "database/RefListItem.h"
#include "database/RowValues.h"
#include "framework/DBException.h"
#include "res/resource.h"
#include "database/SqlText.h"

namespace {

void AppendReferenceRows(CPortRecordset& recordset, CRefItemArray& references)
{
    for (; !recordset.IsEOF(); recordset.MoveNext())
    {
        auto* pItem = new RefListItem;
        recordset.GetFieldLong(IDS_COL_REFERENC_REFID, pItem->m_id);
        recordset.GetFieldText(IDS_COL_REFERENC_NAME, pItem->m_name);
        recordset.GetFieldText(IDS_COL_REFERENC_CONTENT, pItem->m_content);
        recordset.GetFieldChar(IDS_COL_REFERENC_REFTYPE, pItem->m_type);
        references.Add(pItem);
    }
    recordset.Close();
}

}  // namespace

int CCookbookDatabase::LoadReferences(CRefItemArray& references, long itemNumber, char linkType)
{
    references.DeleteAll();
    references.m_keyWord = itemNumber;
    const CRecordId id(static_cast<unsigned long>(itemNumber));
    const CString condition = LoadSchemaText(IDS_COL_REFITEM_LINKID) + "=" + QuoteSqlText(id) + " AND " +
                              LoadSchemaText(IDS_COL_REFITEM_LINKTYPE) + "=" + QuoteSqlText(CString(linkType));
    if (OpenWorkSelect(IDS_QRY_SHOW_REFERENCES, nullptr, condition, nullptr))
        AppendReferenceRows(*m_pWorkRecordset, references);
    return references.GetSize();
}

int CCookbookDatabase::LoadReferencesByType(CRefItemArray& references, char refType)
{
    references.DeleteAll();
    const CString condition = LoadSchemaText(IDS_COL_REFERENC_REFTYPE) + "=" + QuoteSqlText(CString(refType));
    if (OpenWorkSelect(IDS_TBL_REFERENC, nullptr, condition, nullptr))
        AppendReferenceRows(*m_pWorkRecordset, references);
    return references.GetSize();
}

int CCookbookDatabase::LoadMenuReferences(CRefItemArray& references, long itemNumber)
{
    return LoadReferences(references, itemNumber, 'M');
}

BOOL CCookbookDatabase::SaveReference(RefListItem& reference)
{
    if (!CanUpdate())
        return FALSE;
    const BOOL isNew = reference.m_id == "000000";
    const CRecordId id = isNew ? NextRecordId(IDS_TBL_REFERENC, IDS_COL_REFERENC_REFID) : reference.m_id;
    CPortRecordset* pColumns = DescribeTable(IDS_TBL_REFERENC);
    if (id == "000000" || pColumns == nullptr)
        return FALSE;
    CRowValues row(*pColumns);
    if (isNew)
        row.Add(IDS_COL_REFERENC_REFID).SetId(id);
    row.Add(IDS_COL_REFERENC_NAME).SetText(reference.m_name);
    row.Add(IDS_COL_REFERENC_REFTYPE).SetText(CString(reference.m_type));
    row.Add(IDS_COL_REFERENC_CONTENT).SetText(reference.m_content);
    const CString table = LoadSchemaText(IDS_TBL_REFERENC);
    const CString sql = isNew ? BuildInsertFromLists(table, row.GetColumns(), row.GetValues())
                              : BuildUpdate(table, row.GetColumns(), row.GetValues(),
                                            LoadSchemaText(IDS_COL_REFERENC_REFID) + "=" + QuoteSqlText(id));
    try
    {
        if (!ExecuteWrite(sql))
            return FALSE;
    }
    catch (CDBException* e)
    {
        CGenericRecordset::ReportException(e, LoadSchemaText(IDS_DATABASE_ERROR));
        e->Delete();
        return FALSE;
    }
    reference.m_id = id;
    return TRUE;
}

BOOL CCookbookDatabase::DeleteReference(const CRecordId& id)
{
    if (id == "000000")
        return FALSE;
    const CString value = QuoteSqlText(id);
    CCookbookTransaction transaction(*this);
    return DeleteItemRows(IDS_TBL_REFITEM, IDS_COL_REFITEM_REFID, value, 'Z') &&
           DeleteItemRows(IDS_TBL_REFERENC, IDS_COL_REFERENC_REFID, value, 'Z') && transaction.Commit();
}
