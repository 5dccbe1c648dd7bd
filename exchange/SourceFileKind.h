#pragma once

#include "framework/String.h"

// What reads an import source, told by the file's first bytes rather than by its name.
class CSourceFileKind
{
public:
    enum Kind
    {
        kRefused,
        kSqlite,
        kJet,
        kDbf
    };

    static Kind Detect(const CString& path);
};
