#include "database/RecordId.h"

#include "framework/String.h"

#include <cstdlib>
#include <cstring>

namespace {
const unsigned long kHighestId = 999999;
const char kOverflowText[] = "888888";
}  // namespace

CRecordId::CRecordId()
{
    SetNumber(0);
}

CRecordId::CRecordId(unsigned long number)
{
    SetNumber(number);
}

CRecordId::CRecordId(const char* text)
{
    SetText(text);
}

CRecordId::CRecordId(const CString& text)
{
    std::memset(m_text, 0, sizeof m_text);
    std::strncpy(m_text, text, sizeof m_text - 1);
}

CRecordId& CRecordId::operator=(unsigned long number)
{
    SetNumber(number);
    return *this;
}

void CRecordId::SetNumber(unsigned long number)
{
    if (number > kHighestId)
    {
        std::memcpy(m_text, kOverflowText, sizeof m_text);
        return;
    }
    // Six digits with leading zeros; every record made starts here, so no formatting call.
    m_text[6] = '\0';
    for (int i = 5; i >= 0; --i, number /= 10)
        m_text[i] = static_cast<char>('0' + number % 10);
}

void CRecordId::SetText(const char* text)
{
    SetNumber(text ? static_cast<unsigned long>(std::atol(text)) : 0);
}

long CRecordId::GetNumber() const
{
    return std::atol(m_text);
}

bool CRecordId::operator==(const char* text) const
{
    return text && std::strcmp(m_text, text) == 0;
}

bool CRecordId::operator==(const CRecordId& other) const
{
    return std::strcmp(m_text, other.m_text) == 0;
}

bool CRecordId::operator==(unsigned long number) const
{
    return static_cast<unsigned long>(GetNumber()) == number;
}

long CRecordId::operator++()
{
    SetNumber(static_cast<unsigned long>(GetNumber() + 1));
    return GetNumber();
}

long CRecordId::operator--()
{
    SetNumber(static_cast<unsigned long>(GetNumber() - 1));
    return GetNumber();
}
