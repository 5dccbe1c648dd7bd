#include "database/ConfigDB.h"

#include "database/OdbcSetup.h"
#include "framework/AfxMessageBox.h"
#include "framework/DBException.h"
#include "res/resource.h"

namespace {

const char kSourceDriverName[] = "Tablewise Driver";

}  // namespace

CConfigDB::CConfigDB() : m_textList(10), m_bOpened(FALSE) {}

CConfigDB::CConfigDB(LPCSTR dataSourceName) : CConfigDB()
{
    m_bOpened = TRUE;
    OpenSource(dataSourceName);
}

CConfigDB::~CConfigDB()
{
    for (int i = 0; i < m_openRecordsets.GetSize(); ++i)
        delete m_openRecordsets.GetAt(i);
    m_openRecordsets.RemoveAll();
}

BOOL CConfigDB::OpenSource(LPCSTR dataSourceName)
{
    try
    {
        Open(dataSourceName, FALSE, FALSE, "ODBC;", TRUE);
        m_bOpened = TRUE;
    }
    catch (CDBException* e)
    {
        if (e->m_nRetCode != -1)
            AfxMessageBox(e->m_strError);
        e->Delete();
        m_bOpened = FALSE;
    }
    m_strSourceDriver = IsOdbcDriverInstalled(kSourceDriverName);
    return m_bOpened;
}

BOOL CConfigDB::SelectDriver(UINT driverStringId)
{
    LPCSTR name = nullptr;
    if (driverStringId == IDS_DRIVER_ACCESS_DATA)
        name = kSourceDriverName;
    else if (driverStringId == IDS_DRIVER_FOXPRO)
        name = "FoxPro";
    else
        return FALSE;
    m_strSelectedDriver = IsOdbcDriverInstalled(name);
    return TRUE;
}
