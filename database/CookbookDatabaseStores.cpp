#include "database/CookbookDatabase.h"

#include "database/CookbookTransaction.h"
#include "database/FieldValue.h"
#include "database/ListItem.h"
#include "database/MultiRecordColumn.h"
#include "database/PortRecordset.h"
#include "database/RowValues.h"
#include "framework/DBException.h"
#include "res/resource.h"
#include "database/SqlText.h"

CCustObList& CCookbookDatabase::LoadStores()
{
    if (!m_storeList.IsEmpty() || !OpenWorkSelect(IDS_TBL_STORE, nullptr, nullptr, nullptr))
        return m_storeList;
    for (; !m_pWorkRecordset->IsEOF(); m_pWorkRecordset->MoveNext())
    {
        auto* pItem = new CListItem;
        m_pWorkRecordset->GetFieldText(IDS_COL_STORE_NAME, pItem->m_name);
        m_pWorkRecordset->GetFieldLong(IDS_COL_STORE_STORE, pItem->m_id);
        m_storeList.AddTail(pItem);
    }
    m_pWorkRecordset->Close();
    return m_storeList;
}

BOOL CCookbookDatabase::GetStoreName(long storeNumber, CString& name)
{
    LoadStores();
    for (POSITION position = m_storeList.GetHeadPosition(); position != nullptr;)
    {
        const auto* pItem = static_cast<const CListItem*>(m_storeList.GetNext(position));
        if (pItem->m_id.GetNumber() == storeNumber)
        {
            name = pItem->m_name;
            return TRUE;
        }
    }
    return FALSE;
}

CCustObList& CCookbookDatabase::LoadStoreSections(long storeNumber)
{
    if (!m_sectionList.IsEmpty() && m_nSectionStore == storeNumber)
        return m_sectionList;
    m_sectionList.DeleteAll();
    m_nSectionStore = storeNumber;
    const CRecordId id(static_cast<unsigned long>(storeNumber));
    const CString condition = LoadSchemaText(IDS_COL_STORE_SEC_STORE) + "=" + QuoteSqlText(id);
    if (!OpenWorkSelect(IDS_TBL_STORE_SEC, nullptr, condition, nullptr))
        return m_sectionList;
    for (; !m_pWorkRecordset->IsEOF(); m_pWorkRecordset->MoveNext())
    {
        auto* pItem = new CListItem;
        m_pWorkRecordset->GetFieldLong(IDS_COL_STORE_SEC_SECTION, pItem->m_id);
        m_sectionList.AddTail(pItem);
    }
    m_pWorkRecordset->Close();
    return m_sectionList;
}

BOOL CCookbookDatabase::SaveStore(CListItem& store)
{
    const BOOL isNew = store.m_id == "000000";
    const CRecordId id = isNew ? NextRecordId(IDS_TBL_STORE, IDS_COL_STORE_STORE) : store.m_id;
    CPortRecordset* pColumns = DescribeTable(IDS_TBL_STORE);
    if (id == "000000" || pColumns == nullptr)
        return FALSE;
    CRowValues row(*pColumns);
    if (isNew)
        row.Add(IDS_COL_STORE_STORE).SetId(id);
    row.Add(IDS_COL_STORE_NAME).SetText(store.m_name);
    const CString table = LoadSchemaText(IDS_TBL_STORE);
    try
    {
        if (!ExecuteWrite(isNew ? BuildInsertFromLists(table, row.GetColumns(), row.GetValues())
                                : BuildUpdate(table, row.GetColumns(), row.GetValues(),
                                              LoadSchemaText(IDS_COL_STORE_STORE) + "=" + QuoteSqlText(id))))
            return FALSE;
    }
    catch (CDBException* e)
    {
        e->Delete();
        return FALSE;
    }
    store.m_id = id;
    CacheStore(store, isNew);
    return TRUE;
}

// A list not loaded yet stays empty, so that LoadStores reads every store.
void CCookbookDatabase::CacheStore(const CListItem& store, BOOL isNew)
{
    if (isNew && !m_storeList.IsEmpty())
        m_storeList.AddTail(store.Clone());
    for (POSITION position = m_storeList.GetHeadPosition(); position != nullptr && !isNew;)
    {
        auto* pCached = static_cast<CListItem*>(m_storeList.GetNext(position));
        if (pCached->m_id == store.m_id)
            pCached->m_name = store.m_name;
    }
}

BOOL CCookbookDatabase::DeleteStore(const CListItem& store)
{
    const CString value = QuoteSqlText(store.m_id);
    {
        CCookbookTransaction transaction(*this);
        if (!DeleteItemRows(IDS_TBL_STORE, IDS_COL_STORE_STORE, value, 'Z') ||
            !DeleteItemRows(IDS_TBL_STORE_SEC, IDS_COL_STORE_SEC_STORE, value, 'Z') || !transaction.Commit())
            return FALSE;
    }
    for (POSITION position = m_storeList.GetHeadPosition(); position != nullptr;)
    {
        const POSITION current = position;
        CObject* pCached = m_storeList.GetNext(position);
        if (static_cast<CListItem*>(pCached)->m_id == store.m_id)
        {
            m_storeList.RemoveAt(current);
            delete pCached;
            break;
        }
    }
    if (m_nSectionStore == store.m_id.GetNumber())
        m_sectionList.DeleteAll();
    return TRUE;
}

// The old rows go and the new ones come in one transaction; an empty list leaves the store
// without sections. The cache then holds exactly what was written.
BOOL CCookbookDatabase::SaveStoreSections(long storeNumber, const CCustObList& sections)
{
    m_sectionList.DeleteAll();
    m_nSectionStore = -1;
    const CRecordId storeId(static_cast<unsigned long>(storeNumber));
    {
        CCookbookTransaction transaction(*this);
        if (!DeleteItemRows(IDS_TBL_STORE_SEC, IDS_COL_STORE_SEC_STORE, QuoteSqlText(storeId), 'Z') ||
            !InsertStoreSections(storeId, sections) || !transaction.Commit())
            return FALSE;
    }
    for (POSITION position = sections.GetHeadPosition(); position != nullptr;)
    {
        const auto* pSection = static_cast<const CListItem*>(sections.GetNext(position));
        if (pSection != nullptr)
            m_sectionList.AddTail(pSection->Clone());
    }
    m_nSectionStore = storeNumber;
    return TRUE;
}

BOOL CCookbookDatabase::InsertStoreSections(const CRecordId& storeId, const CCustObList& sections)
{
    long count = 0;
    for (POSITION position = sections.GetHeadPosition(); position != nullptr;)
        count += sections.GetNext(position) != nullptr ? 1 : 0;
    if (count == 0)
        return TRUE;
    CPortRecordset* pColumns = DescribeTable(IDS_TBL_STORE_SEC);
    if (pColumns == nullptr)
        return FALSE;
    static const UINT kColumns[] = {IDS_COL_STORE_SEC_STORE, IDS_COL_STORE_SEC_SECTION};
    CMultiRecordColumn buffers[2];
    for (int column = 0; column < 2; ++column)
    {
        CFieldValue described;
        pColumns->GetFieldValue(kColumns[column], described);
        buffers[column].Init(described.m_nSqlType, described.m_lPrecision, count, kColumns[column]);
    }
    for (POSITION position = sections.GetHeadPosition(); position != nullptr;)
    {
        const auto* pSection = static_cast<const CListItem*>(sections.GetNext(position));
        if (pSection == nullptr)
            continue;
        buffers[0].PutRecordId(storeId);
        buffers[1].PutRecordId(pSection->m_id);
    }
    buffers[0].Rewind();
    buffers[1].Rewind();
    const CString table = LoadSchemaText(IDS_TBL_STORE_SEC);
    for (long row = 0; row < count; ++row)
    {
        if (!ExecuteDirect(BuildInsertFromFields(table, buffers, 2)))
            return FALSE;
    }
    return TRUE;
}
