#include "database/RMDatabase.h"

IMPLEMENT_DYNCREATE(CRMDatabase, CCookbookDatabase)

CRMDatabase::CRMDatabase() : m_nReserved(-1) {}

CRMDatabase::~CRMDatabase() = default;
