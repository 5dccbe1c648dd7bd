#include "forms/RelatedLink.h"

RelatedLink::RelatedLink(const CString& text, const CString& content, char type)
    : m_text(text), m_content(content), m_type(type)
{
}
