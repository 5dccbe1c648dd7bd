#pragma once

#include "framework/ObArray.h"

class RelatedLink;

// The related links of a record, in the order its references gave them. Owns its elements.
class RelatedLinkArray : public CObArray
{
public:
    RelatedLinkArray() = default;
    ~RelatedLinkArray() override;

    void DeleteAll();
    // Null outside the array.
    RelatedLink* GetLinkAt(int index) const;
};
