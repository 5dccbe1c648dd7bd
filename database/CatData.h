#pragma once

#include "framework/Object.h"
#include "framework/String.h"

// Three category texts.
class CCatData : public CObject
{
    DECLARE_SERIAL(CCatData)
public:
    CCatData() = default;
    CCatData(const CCatData& other) = default;
    CCatData& operator=(const CCatData& other) = default;

    bool operator==(const CCatData& other) const;
    bool operator!=(const CCatData& other) const { return !(*this == other); }
    void Serialize(CArchive& ar) override;

    CString m_text[3];
};
