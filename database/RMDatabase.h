#pragma once

#include "database/CookbookDatabase.h"

// The cookbook database object the program makes: one for the user's cookbook, one more for
// each import source.
class CRMDatabase : public CCookbookDatabase
{
    DECLARE_DYNCREATE(CRMDatabase)
public:
    CRMDatabase();
    ~CRMDatabase() override;

    long m_nReserved;
};
