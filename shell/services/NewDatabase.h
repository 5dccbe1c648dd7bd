#pragma once

#include <windef.h>

#include "framework/Object.h"
#include "framework/String.h"

// Makes a new cookbook by copying the template of the program's resource folder, and
// registers its data source.
class CNewDatabase : public CObject
{
    DECLARE_DYNAMIC(CNewDatabase)
public:
    BOOL Create(const CString& dataSourceName, const CString& templatePath, const CString& newPath);
    BOOL CopyTemplate(const CString& templatePath, const CString& newPath, const CString& dataSourceName);
    // The installation disc's copy of the template, on the CD-ROM drive the user picks.
    BOOL FindTemplateOnDisc(const CString& templatePath, const CString& newPath, const CString& dataSourceName);
    BOOL RegisterNewCookbook(const CString& newPath);
    void ShowCopyError(const CString& text);
};
