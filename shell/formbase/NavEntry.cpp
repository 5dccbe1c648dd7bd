#include "shell/formbase/NavEntry.h"

CNavEntry::CNavEntry(const CString& name, long value, long kind) : m_value(value), m_name(name), m_kind(kind) {}
