#pragma once

#include "framework/Object.h"
#include "framework/String.h"

// One entry of a record's related items: a recipe (R), meal plan (M), tip (K) or photo (P). The
// content names the linked recipe or meal plan, holds the tip's text or the photo's file name.
class RelatedLink : public CObject
{
public:
    RelatedLink() = default;
    RelatedLink(const CString& text, const CString& content, char type);

    CString m_text;
    CString m_content;
    char m_type = 0;
};
