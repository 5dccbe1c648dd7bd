#pragma once

#include <windef.h>

#include <vector>

#include "framework/Object.h"
#include "framework/String.h"

class CRecordId;

// One typed column value, tagged with its ODBC SQL type. Setters store only into a value whose
// type takes them and clear every other; a column read as NULL, or a value marked with SetNull,
// carries the null flag (which a setter clears) so that statements write NULL for it.
class CFieldValue : public CObject
{
public:
    enum SqlType : short
    {
        typeBit = -7,
        typeTinyInt = -6,
        typeLongVarBinary = -4,
        typeVarBinary = -3,
        typeBinary = -2,
        typeLongVarChar = -1,
        typeChar = 1,
        typeNumeric = 2,
        typeDecimal = 3,
        typeInteger = 4,
        typeSmallInt = 5,
        typeFloat = 6,
        typeReal = 7,
        typeDouble = 8,
        typeDate = 9,
        typeTime = 10,
        typeTimestamp = 11,
        typeVarChar = 12
    };
    // Described precision of a long text column (its values are still read whole).
    static const long kLongTextPrecision = 4095;

    CFieldValue();
    CFieldValue(const CFieldValue& other);
    CFieldValue& operator=(const CFieldValue& other);
    ~CFieldValue() override = default;

    void CopyFrom(const CFieldValue& other);
    void Clear();
    void SetNull();

    void SetId(const CRecordId& id);
    void SetText(LPCSTR lpszText);
    void SetText(const CString& text) { SetText(text.GetString()); }
    void SetLong(long value);
    void SetShort(short value);
    void SetInt(int value);
    void SetChar(char value);
    void SetWord(WORD value);
    void SetDouble(double value);
    void SetFloat(float value);
    void SetTime(long value);

    static BOOL IsIntegerType(short type);
    static BOOL IsFloatType(short type);
    static BOOL IsTextType(short type);
    static BOOL IsBinaryType(short type);
    static BOOL IsDateType(short type);

    short m_nSqlType;
    long m_lPrecision;
    CString m_strName;
    union
    {
        long m_lValue;
        short m_nValue;
        float m_fValue;
        double m_dValue;
        BYTE m_byValue;
    };
    CString m_strText;
    std::vector<BYTE> m_bytes;
    // Seconds since 1 January 1970, local time; 0 for none.
    long m_time;
    short m_nScale;
    short m_nNullable;
    long m_bTranslate;
    DWORD m_dwReserved;
    BOOL m_bNull;

private:
    void ClearValue();
};

// Conversions by the stored type; each leaves out unchanged for a type without a number.
void GetFieldValueDouble(const CFieldValue& value, double& out);
// Negative values and values beyond 999999995904 (infinity and NaN too) become 0.
void GetFieldValueFloat(const CFieldValue& value, float& out);
void GetFieldValueShort(const CFieldValue& value, short& out);
void GetFieldValueWord(const CFieldValue& value, WORD& out);
void GetFieldValueInt(const CFieldValue& value, int& out);
// The number stored into a record id (numbers above 999999 read "888888"); empty text gives 0.
void GetFieldValueLong(const CFieldValue& value, CRecordId& out);
void GetFieldValueTime(const CFieldValue& value, long& out);
