#include "database/CookbookTransaction.h"

#include "framework/DBException.h"
#include "framework/Database.h"

CCookbookTransaction::CCookbookTransaction(CDatabase& database)
    : m_database(database), m_bActive(FALSE)
{
    try
    {
        m_database.BeginTrans();
        m_bActive = TRUE;
    }
    catch (CDBException* e)
    {
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
        e->Delete();
        return FALSE;
    }
}
