#pragma once

#include "framework/Document.h"

// The document of the recipe view and edit forms. It holds and stores nothing: the recipe
// shown is always the one in the current-recipe cache.
class CRcpDoc : public CDocument
{
    DECLARE_DYNCREATE(CRcpDoc)
};
