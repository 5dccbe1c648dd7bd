#include "database/MultiRecordColumn.h"

#include <windows.h>

#include <cstring>
#include <new>

#include "database/FieldValue.h"
#include "database/RecordId.h"
#include "framework/AfxMessageBox.h"

CMultiRecordColumn::~CMultiRecordColumn()
{
    Reset();
}

long CMultiRecordColumn::ElementWidth(short nKind, long nDeclaredWidth)
{
    switch (nKind)
    {
    case CFieldValue::typeChar:
    case CFieldValue::typeNumeric:
    case CFieldValue::typeDecimal:
    case CFieldValue::typeVarChar: return nDeclaredWidth + 1;
    case CFieldValue::typeFloat:
    case CFieldValue::typeDouble: return 8;
    case CFieldValue::typeBit:
    case CFieldValue::typeInteger:
    case CFieldValue::typeSmallInt:
    case CFieldValue::typeReal:
    case CFieldValue::typeDate:
    case CFieldValue::typeTime:
    case CFieldValue::typeTimestamp: return 4;
    case CFieldValue::typeTinyInt: return 1;
    case CFieldValue::typeLongVarChar: return CFieldValue::kLongTextPrecision;
    default: return 0;
    }
}

void CMultiRecordColumn::Reset()
{
    delete[] m_pFieldSizeArray;
    delete[] m_pBufferArray;
    m_pFieldSizeArray = nullptr;
    m_pBufferArray = nullptr;
    m_nKind = 0;
    m_nCursor = 0;
    m_nRows = 0;
    m_nBufferSize = 0;
    m_nElementWidth = 0;
}

void CMultiRecordColumn::Init(short nKind, long nDeclaredWidth, long nRows, UINT nNameId)
{
    Reset();
    if (nRows <= 0)
        return;
    m_nElementWidth = ElementWidth(nKind, nDeclaredWidth);
    m_pFieldSizeArray = new (std::nothrow) INT_PTR[nRows];
    if (m_pFieldSizeArray == nullptr)
    {
        AfxMessageBox("Memory allocation *FAILED* in CMultiRecordColumn::Init() for m_pFieldSizeArray");
        return;
    }
    for (long row = 0; row < nRows; ++row)
        m_pFieldSizeArray[row] = m_nElementWidth;
    const long bufferSize = nRows * m_nElementWidth;
    m_pBufferArray = new (std::nothrow) BYTE[bufferSize > 0 ? bufferSize : 1]();
    if (m_pBufferArray == nullptr)
    {
        AfxMessageBox("Memory allocation *FAILED* in CMultiRecordColumn::Init() for m_pBufferArray");
        return;
    }
    m_nKind = nKind;
    m_nRows = nRows;
    m_nCursor = 0;
    m_nBufferSize = bufferSize;
    m_strName.LoadString(nNameId);
}

BOOL CMultiRecordColumn::IsText() const
{
    return CFieldValue::IsTextType(m_nKind);
}

BOOL CMultiRecordColumn::IsWordSlot() const
{
    return m_nKind == CFieldValue::typeInteger || m_nKind == CFieldValue::typeBit ||
           m_nKind == CFieldValue::typeSmallInt || CFieldValue::IsDateType(m_nKind);
}

long CMultiRecordColumn::ReadRow()
{
    if (m_pBufferArray == nullptr || m_nRows <= 0 || m_nElementWidth <= 0)
        return -1;
    if (m_nCursor >= m_nRows)
        m_nCursor = 0;
    return m_nCursor;
}

long CMultiRecordColumn::WriteRow() const
{
    if (m_pBufferArray == nullptr || m_nElementWidth <= 0 || m_nCursor >= m_nRows)
        return -1;
    return m_nCursor;
}

int CMultiRecordColumn::GetNumber(double& value, BOOL& bIntegral)
{
    const BOOL isFloat = m_nKind == CFieldValue::typeReal;
    const BOOL isDouble = m_nKind == CFieldValue::typeFloat || m_nKind == CFieldValue::typeDouble;
    if (!IsWordSlot() && !isFloat && !isDouble)
        return 0;
    const long row = ReadRow();
    if (row < 0)
        return 0;
    bIntegral = IsWordSlot();
    if (bIntegral)
    {
        LONG word = 0;
        std::memcpy(&word, Slot(row), sizeof word);
        value = word;
    }
    else if (isFloat)
    {
        float single = 0.0f;
        std::memcpy(&single, Slot(row), sizeof single);
        value = single;
    }
    else
    {
        std::memcpy(&value, Slot(row), sizeof value);
    }
    ++m_nCursor;
    return 1;
}

namespace {

long TruncatedLong(double value)
{
    if (!(value > -2147483648.0))
        return value < 0 ? -2147483647L - 1 : 0;
    return value >= 2147483647.0 ? 2147483647L : static_cast<long>(value);
}

}  // namespace

int CMultiRecordColumn::GetLong(long& value)
{
    double number = 0.0;
    BOOL integral = FALSE;
    if (!GetNumber(number, integral))
        return 0;
    value = TruncatedLong(number);
    return 1;
}

int CMultiRecordColumn::GetShort(short& value)
{
    long number = 0;
    if (!GetLong(number))
        return 0;
    value = static_cast<short>(number);
    return 1;
}

int CMultiRecordColumn::GetFloat(float& value)
{
    double number = 0.0;
    BOOL integral = FALSE;
    if (!GetNumber(number, integral))
        return 0;
    value = static_cast<float>(number);
    return 1;
}

int CMultiRecordColumn::GetDouble(double& value)
{
    BOOL integral = FALSE;
    return GetNumber(value, integral);
}

int CMultiRecordColumn::GetChar(char& value)
{
    if (m_nKind != CFieldValue::typeTinyInt && !IsText())
        return 0;
    const long row = ReadRow();
    if (row < 0)
        return 0;
    value = static_cast<char>(*Slot(row));
    ++m_nCursor;
    return 1;
}

int CMultiRecordColumn::GetText(LPSTR buffer, int nSize)
{
    if (!IsText() || buffer == nullptr || nSize <= 0)
        return 0;
    const long row = ReadRow();
    if (row < 0)
        return 0;
    const char* slot = reinterpret_cast<const char*>(Slot(row));
    const int length = static_cast<int>(strnlen(slot, static_cast<size_t>(m_nElementWidth)));
    const int copied = length < nSize - 1 ? length : nSize - 1;
    std::memcpy(buffer, slot, static_cast<size_t>(copied));
    buffer[copied] = '\0';
    ++m_nCursor;
    return 1;
}

int CMultiRecordColumn::GetText(CString& value)
{
    if (!IsText())
        return 0;
    const long row = ReadRow();
    if (row < 0)
        return 0;
    const char* slot = reinterpret_cast<const char*>(Slot(row));
    value = CString(slot, static_cast<int>(strnlen(slot, static_cast<size_t>(m_nElementWidth))));
    ++m_nCursor;
    return 1;
}

int CMultiRecordColumn::GetRecordId(CRecordId& value)
{
    CString text;
    if (!GetText(text))
        return 0;
    value.SetText(text);
    return 1;
}

int CMultiRecordColumn::PutNumber(double value, BOOL bIntegral)
{
    const long row = WriteRow();
    if (row < 0)
        return 0;
    if (IsWordSlot())
    {
        const LONG word = bIntegral ? static_cast<LONG>(static_cast<long long>(value)) : TruncatedLong(value);
        std::memcpy(Slot(row), &word, sizeof word);
    }
    else if (m_nKind == CFieldValue::typeReal)
    {
        const float single = static_cast<float>(value);
        std::memcpy(Slot(row), &single, sizeof single);
    }
    else if (m_nKind == CFieldValue::typeFloat || m_nKind == CFieldValue::typeDouble)
    {
        std::memcpy(Slot(row), &value, sizeof value);
    }
    else
    {
        return 0;
    }
    ++m_nCursor;
    return 1;
}

int CMultiRecordColumn::PutWord(DWORD value)
{
    if (m_nKind != CFieldValue::typeBit && m_nKind != CFieldValue::typeSmallInt)
        return 0;
    return PutNumber(value, TRUE);
}

int CMultiRecordColumn::PutUShort(WORD value)
{
    return PutNumber(value, TRUE);
}

int CMultiRecordColumn::PutULong(DWORD value)
{
    return PutNumber(value, TRUE);
}

int CMultiRecordColumn::PutLong(long value)
{
    return PutNumber(value, TRUE);
}

int CMultiRecordColumn::PutShort(short value)
{
    return PutNumber(value, TRUE);
}

int CMultiRecordColumn::PutFloat(float value)
{
    return PutNumber(value, FALSE);
}

int CMultiRecordColumn::PutDouble(double value)
{
    return PutNumber(value, FALSE);
}

int CMultiRecordColumn::PutChar(char value)
{
    if (m_nKind != CFieldValue::typeTinyInt && !IsText())
        return 0;
    const long row = WriteRow();
    if (row < 0)
        return 0;
    std::memset(Slot(row), 0, static_cast<size_t>(m_nElementWidth));
    *Slot(row) = static_cast<BYTE>(value);
    ++m_nCursor;
    return 1;
}

int CMultiRecordColumn::PutText(LPCSTR value)
{
    if (!IsText())
        return 0;
    const long row = WriteRow();
    if (row < 0)
        return 0;
    std::memset(Slot(row), 0, static_cast<size_t>(m_nElementWidth));
    if (value != nullptr)
        std::memcpy(Slot(row), value, strnlen(value, static_cast<size_t>(m_nElementWidth - 1)));
    ++m_nCursor;
    return 1;
}

int CMultiRecordColumn::PutRecordId(const CRecordId& value)
{
    return PutText(value.GetText());
}

int CMultiRecordColumn::InitText(UINT nNameId, const CFieldValue& field, long nRows, LPCSTR value)
{
    Init(field.m_nSqlType, field.m_lPrecision, nRows, nNameId);
    return PutText(value);
}

int CMultiRecordColumn::InitFloat(UINT nNameId, const CFieldValue& field, long nRows, float value)
{
    Init(field.m_nSqlType, field.m_lPrecision, nRows, nNameId);
    return PutFloat(value);
}

int CMultiRecordColumn::InitDouble(UINT nNameId, const CFieldValue& field, long nRows, double value)
{
    Init(field.m_nSqlType, field.m_lPrecision, nRows, nNameId);
    return PutDouble(value);
}

int CMultiRecordColumn::InitLong(UINT nNameId, const CFieldValue& field, long nRows, long value)
{
    Init(field.m_nSqlType, field.m_lPrecision, nRows, nNameId);
    return PutLong(value);
}

int CMultiRecordColumn::InitChar(UINT nNameId, const CFieldValue& field, long nRows, char value)
{
    Init(field.m_nSqlType, field.m_lPrecision, nRows, nNameId);
    return PutChar(value);
}

int CMultiRecordColumn::InitWord(UINT nNameId, const CFieldValue& field, long nRows, DWORD value)
{
    Init(field.m_nSqlType, field.m_lPrecision, nRows, nNameId);
    return PutWord(value);
}

int CMultiRecordColumn::InitRecordId(UINT nNameId, const CFieldValue& field, long nRows, const CRecordId& value)
{
    Init(field.m_nSqlType, field.m_lPrecision, nRows, nNameId);
    return PutRecordId(value);
}

int CMultiRecordColumn::InitUShort(UINT nNameId, const CFieldValue& field, long nRows, WORD value)
{
    Init(field.m_nSqlType, field.m_lPrecision, nRows, nNameId);
    return PutUShort(value);
}

CString CMultiRecordColumn::FormatValue()
{
    CString text;
    if (IsText())
    {
        GetText(text);
    }
    else if (m_nKind == CFieldValue::typeTinyInt)
    {
        char byte = 0;
        if (GetChar(byte))
            text.Format("%u", static_cast<unsigned>(static_cast<BYTE>(byte)));
    }
    else if (IsWordSlot())
    {
        long number = 0;
        if (GetLong(number))
            text.Format("%ld", number);
    }
    else
    {
        double number = 0.0;
        if (GetDouble(number))
            text.Format("%.17g", number);
    }
    return text;
}
