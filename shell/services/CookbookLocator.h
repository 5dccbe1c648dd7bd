#pragma once

#include <windef.h>

#include "framework/Object.h"
#include "framework/String.h"

class CCookbookDatabase;

// Turns a cookbook file into the open cookbook of a database object: asks for the file (or
// takes one), checks that its data source connects, opens it, and for the user interface's
// database records it as the last cookbook used. Lives for one call.
class CCookbookLocator : public CObject
{
public:
    BOOL ConnectCookbook(CCookbookDatabase* pDatabase, LPCSTR lpszPath, UINT nDriverNameId, UINT nDataSourceNameId);
    BOOL PromptForCookbook(CCookbookDatabase* pDatabase);
    BOOL NewCookbook(CCookbookDatabase* pDatabase);
    CString SelectCookbookFile();
    CString CreateNewCookbook();
    // The path opened, or empty. A failed open shows message 227 and opens the cookbook that
    // was open before again, so that a failure never leaves the program without one.
    CString OpenCookbookAtPath(CCookbookDatabase* pDatabase, const CString& path, UINT nDriverNameId,
                               UINT nDataSourceNameId);
    // Registers the file under a scratch data-source name and connects to it; the driver's
    // message is shown when that fails.
    BOOL TestDataSource(const CString& path, UINT nDriverNameId, UINT nDataSourceNameId);

    static BOOL FileExists(LPCSTR lpszPath);

private:
    void RememberCookbook(const CString& path);
};
