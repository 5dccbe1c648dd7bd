#pragma once

#include "framework/Document.h"

// The empty document under most forms: the forms read the cookbook themselves.
class CGenericDoc : public CDocument
{
    DECLARE_DYNCREATE(CGenericDoc)
public:
    BOOL OnNewDocument() override;
};
