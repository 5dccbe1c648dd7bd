#include "shell/formbase/RcpDoc.h"

IMPLEMENT_DYNCREATE(CRcpDoc, CDocument)
