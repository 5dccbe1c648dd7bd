#include "shell/services/CurrentDatabase.h"

namespace {

CCookbookDatabase*& Current()
{
    static CCookbookDatabase* s_pDatabase = nullptr;
    return s_pDatabase;
}

}  // namespace

CCookbookDatabase* GetCurrentDatabase()
{
    return Current();
}

void SetCurrentDatabase(CCookbookDatabase* pDatabase)
{
    Current() = pDatabase;
}
