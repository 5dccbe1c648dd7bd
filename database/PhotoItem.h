#pragma once

#include "database/RecordId.h"
#include "framework/Object.h"
#include "framework/String.h"

// A photo of a recipe: its id and three texts.
class CPhotoItem : public CObject
{
    DECLARE_SERIAL(CPhotoItem)
public:
    CPhotoItem() = default;
    CPhotoItem(const CPhotoItem& other) = default;
    CPhotoItem& operator=(const CPhotoItem& other) = default;

    // The id travels as a six-character string.
    void Serialize(CArchive& ar) override;

    CRecordId m_id;
    CString m_text[3];
};
