#include "database/FieldValue.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "database/RecordId.h"

CFieldValue::CFieldValue()
    : m_nSqlType(0), m_lPrecision(0), m_dValue(0.0), m_time(0), m_nScale(0), m_nNullable(0), m_bTranslate(0),
      m_dwReserved(0), m_bNull(FALSE)
{
}

CFieldValue::CFieldValue(const CFieldValue& other) : CFieldValue()
{
    CopyFrom(other);
}

CFieldValue& CFieldValue::operator=(const CFieldValue& other)
{
    if (this != &other)
        CopyFrom(other);
    return *this;
}

void CFieldValue::CopyFrom(const CFieldValue& other)
{
    m_nSqlType = other.m_nSqlType;
    m_lPrecision = other.m_lPrecision;
    m_strName = other.m_strName;
    m_dValue = other.m_dValue;
    m_strText = other.m_strText;
    m_bytes = other.m_bytes;
    m_time = other.m_time;
    m_nScale = other.m_nScale;
    m_nNullable = other.m_nNullable;
    m_bTranslate = other.m_bTranslate;
    m_dwReserved = other.m_dwReserved;
    m_bNull = other.m_bNull;
}

BOOL CFieldValue::IsIntegerType(short type)
{
    return type == typeInteger || type == typeSmallInt || type == typeBit || type == typeTinyInt;
}

BOOL CFieldValue::IsFloatType(short type)
{
    return type == typeFloat || type == typeReal;
}

BOOL CFieldValue::IsTextType(short type)
{
    return type == typeLongVarChar || type == typeChar || type == typeNumeric || type == typeDecimal ||
           type == typeVarChar;
}

BOOL CFieldValue::IsBinaryType(short type)
{
    return type == typeLongVarBinary || type == typeVarBinary || type == typeBinary;
}

BOOL CFieldValue::IsDateType(short type)
{
    // 91-93 are the ODBC 3 codes a driver may report for the same types.
    return (type >= typeDate && type <= typeTimestamp) || (type >= 91 && type <= 93);
}

void CFieldValue::ClearValue()
{
    if (IsIntegerType(m_nSqlType) || IsFloatType(m_nSqlType) || m_nSqlType == typeDouble)
        m_dValue = 0.0;
    else if (IsDateType(m_nSqlType))
        m_time = 0;
    else if (IsBinaryType(m_nSqlType))
        m_bytes.clear();
    else if (IsTextType(m_nSqlType))
        m_strText.Empty();
}

void CFieldValue::Clear()
{
    ClearValue();
    m_bNull = FALSE;
}

void CFieldValue::SetNull()
{
    ClearValue();
    m_bNull = TRUE;
}

void CFieldValue::SetId(const CRecordId& id)
{
    SetText(id.GetText());
}

void CFieldValue::SetText(LPCSTR lpszText)
{
    Clear();
    if (IsTextType(m_nSqlType))
        m_strText = lpszText;
}

void CFieldValue::SetLong(long value)
{
    Clear();
    if (m_nSqlType == typeInteger || m_nSqlType == typeBit)
        m_lValue = value;
    else if (m_nSqlType == typeSmallInt)
        m_nValue = static_cast<short>(value);
}

void CFieldValue::SetShort(short value)
{
    Clear();
    if (m_nSqlType == typeInteger || m_nSqlType == typeBit)
        m_lValue = value;
    else if (m_nSqlType == typeSmallInt)
        m_nValue = value;
}

void CFieldValue::SetInt(int value)
{
    Clear();
    if (m_nSqlType == typeInteger)
        m_lValue = value;
}

void CFieldValue::SetChar(char value)
{
    Clear();
    if (m_nSqlType == typeTinyInt)
        m_byValue = static_cast<BYTE>(value);
    else if (IsTextType(m_nSqlType))
        m_strText = CString(value);
}

void CFieldValue::SetWord(WORD value)
{
    Clear();
    if (m_nSqlType == typeInteger || m_nSqlType == typeBit)
        m_lValue = value;
    else if (m_nSqlType == typeSmallInt)
        m_nValue = static_cast<short>(value);
}

void CFieldValue::SetDouble(double value)
{
    Clear();
    if (IsFloatType(m_nSqlType))
        m_fValue = static_cast<float>(value);
    else if (m_nSqlType == typeDouble)
        m_dValue = value;
}

void CFieldValue::SetFloat(float value)
{
    Clear();
    if (IsFloatType(m_nSqlType))
        m_fValue = value;
    else if (m_nSqlType == typeDouble)
        m_dValue = value;
}

void CFieldValue::SetTime(long value)
{
    Clear();
    if (IsDateType(m_nSqlType))
        m_time = value;
}

namespace {

long Truncated(double value)
{
    if (!(value > -2147483648.0))
        return value < 0 ? static_cast<long>(-2147483647 - 1) : 0;
    if (value >= 2147483647.0)
        return 2147483647;
    return static_cast<long>(value);
}

// The stored number as an integer (floating values truncated toward zero); FALSE without one.
BOOL IntegerOf(const CFieldValue& value, long& number)
{
    const short type = value.m_nSqlType;
    if (type == CFieldValue::typeInteger || type == CFieldValue::typeBit)
        number = value.m_lValue;
    else if (type == CFieldValue::typeSmallInt)
        number = value.m_nValue;
    else if (type == CFieldValue::typeTinyInt)
        number = value.m_byValue;
    else if (CFieldValue::IsFloatType(type))
        number = Truncated(value.m_fValue);
    else if (type == CFieldValue::typeDouble)
        number = Truncated(value.m_dValue);
    else if (CFieldValue::IsTextType(type))
        number = std::atol(value.m_strText);
    else
        return FALSE;
    return TRUE;
}

BOOL RealOf(const CFieldValue& value, double& number)
{
    const short type = value.m_nSqlType;
    if (type == CFieldValue::typeBit)
        number = static_cast<unsigned long>(value.m_lValue);
    else if (CFieldValue::IsFloatType(type))
        number = value.m_fValue;
    else if (type == CFieldValue::typeDouble)
        number = value.m_dValue;
    else if (CFieldValue::IsTextType(type))
        number = std::atof(value.m_strText);
    else
    {
        long integer = 0;
        if (!IntegerOf(value, integer))
            return FALSE;
        number = integer;
    }
    return TRUE;
}

}  // namespace

void GetFieldValueDouble(const CFieldValue& value, double& out)
{
    RealOf(value, out);
}

void GetFieldValueFloat(const CFieldValue& value, float& out)
{
    double number = 0.0;
    if (!RealOf(value, number))
        return;
    const float narrowed = static_cast<float>(number);
    out = std::isnan(narrowed) || narrowed < 0.0f || narrowed > 999999995904.0f ? 0.0f : narrowed;
}

void GetFieldValueShort(const CFieldValue& value, short& out)
{
    long number = 0;
    if (IntegerOf(value, number))
        out = static_cast<short>(number);
}

void GetFieldValueWord(const CFieldValue& value, WORD& out)
{
    long number = 0;
    if (IntegerOf(value, number))
        out = static_cast<WORD>(number);
}

void GetFieldValueInt(const CFieldValue& value, int& out)
{
    long number = 0;
    if (IntegerOf(value, number))
        out = static_cast<int>(number);
}

void GetFieldValueLong(const CFieldValue& value, CRecordId& out)
{
    long number = 0;
    if (IntegerOf(value, number))
        out.SetNumber(static_cast<unsigned long>(number));
}

void GetFieldValueTime(const CFieldValue& value, long& out)
{
    if (CFieldValue::IsDateType(value.m_nSqlType))
        out = value.m_time;
}
