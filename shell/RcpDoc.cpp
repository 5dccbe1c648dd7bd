#include "shell/RcpDoc.h"

IMPLEMENT_DYNCREATE(CRcpDoc, CDocument)
