#include "shell/formbase/GenericDoc.h"

IMPLEMENT_DYNCREATE(CGenericDoc, CDocument)

BOOL CGenericDoc::OnNewDocument()
{
    return CDocument::OnNewDocument() ? TRUE : FALSE;
}
