#pragma once

#include "database/ListItem.h"

// A reference or media link: a topic, photo, hint, recipe or meal plan, with its content
// (the topic text, the photo's file name, the linked record's name).
class RefListItem : public CListItem
{
    DECLARE_SERIAL(RefListItem)
public:
    RefListItem() = default;
    RefListItem(const char* name, const char* content, unsigned long number, char type);

    CItem* Clone() const override;

    void Clear();
    bool operator==(const RefListItem& other) const;
    bool operator!=(const RefListItem& other) const { return !(*this == other); }
    void Serialize(CArchive& ar) override;

    CString m_content;
};
