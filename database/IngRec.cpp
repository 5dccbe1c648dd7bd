#include "database/IngRec.h"

CIngRec::CIngRec() : m_seasoning(0), m_fractional(0), m_liquid(0), m_dry(0) {}

CIngRec::CIngRec(const CRecordId& id, const char* name) : CIngRec()
{
    m_id = id;
    if (name && *name)
        m_name = name;
}
