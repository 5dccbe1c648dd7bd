#pragma once

#include "framework/Object.h"
#include "framework/String.h"

// One step of the navigation history: the form kind shown and the record or category it showed.
class CNavEntry : public CObject
{
public:
    CNavEntry(const CString& name, long value, long kind);

    long m_value;
    CString m_name;
    long m_kind;
    long m_flag = 1;
};
