#pragma once

#include <windef.h>

class CDatabase;

// Guards a multi-statement write: begun on construction, rolled back on destruction unless
// committed. Guards nest; the outermost one decides. Never throws. A failed beginning or commit
// is shown; after a failed beginning no statement runs until the guard ends.
class CCookbookTransaction
{
public:
    explicit CCookbookTransaction(CDatabase& database);
    ~CCookbookTransaction();
    CCookbookTransaction(const CCookbookTransaction&) = delete;
    CCookbookTransaction& operator=(const CCookbookTransaction&) = delete;

    // FALSE when nothing was kept: the transaction could not begin, an inner guard rolled
    // back, or the driver refused the commit.
    BOOL Commit();

private:
    CDatabase& m_database;
    BOOL m_bActive;
};
