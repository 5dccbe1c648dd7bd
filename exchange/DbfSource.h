#pragma once

#include "framework/String.h"

class CSourceTable;
class CStringList;

// A FoxPro or dBase cookbook: the folder of the file the user chose, whose tables are its .DBF
// files, named without the extension in any case.
class CDbfSource
{
public:
    // FALSE when the chosen file is no table this reader takes.
    BOOL Open(const CString& chosenPath);
    const CString& GetFolder() const { return m_folder; }
    // FALSE, with the table emptied, when the source has no such table or it is damaged.
    BOOL OpenTable(const CString& name, CSourceTable& table, const CStringList* columns = nullptr) const;

private:
    CString m_folder;
};
