#include "database/CookbookTransaction.h"

#include "database/GenericRecordset.h"
#include "framework/DBException.h"
#include "framework/Database.h"

CCookbookTransaction::CCookbookTransaction(CDatabase& database) : m_database(database), m_bActive(TRUE)
{
    try
    {
        m_database.BeginTrans();
    }
    catch (CDBException* e)
    {
        // The level is open all the same and refuses the writes: ending it is still our part.
        CGenericRecordset::ReportException(e);
        e->Delete();
    }
}

CCookbookTransaction::~CCookbookTransaction()
{
    if (!m_bActive)
        return;
    try
    {
        m_database.Rollback();
    }
    catch (CDBException* e)
    {
        e->Delete();
    }
}

BOOL CCookbookTransaction::Commit()
{
    if (!m_bActive)
        return FALSE;
    m_bActive = FALSE;
    try
    {
        return m_database.CommitTrans();
    }
    catch (CDBException* e)
    {
        CGenericRecordset::ReportException(e);
        e->Delete();
        return FALSE;
    }
}
