#pragma once

#include "listctl/ListRecord.h"

// Keeps a control's drawing suspended for one scope, so that every early return resumes it.
class CRedrawSuspension
{
public:
    explicit CRedrawSuspension(CListRecord& record) : m_record(record) { m_record.SuspendRedraw(); }
    ~CRedrawSuspension() { m_record.ResumeRedraw(); }
    CRedrawSuspension(const CRedrawSuspension&) = delete;
    CRedrawSuspension& operator=(const CRedrawSuspension&) = delete;

private:
    CListRecord& m_record;
};
