#pragma once

#include <windef.h>

#include "framework/String.h"

class CFieldValue;
class CRecordId;

// Room for a number of rows of one result column, bound directly with SQLBindCol or filled
// row by row as the values of a multi-row insert. Row i lies at i times the element width;
// the cursor names the next row to read or write and advances on every successful access.
// Reading past the last row starts again at the first; writing past it is refused.
class CMultiRecordColumn
{
public:
    CMultiRecordColumn() = default;
    virtual ~CMultiRecordColumn();
    CMultiRecordColumn(const CMultiRecordColumn&) = delete;
    CMultiRecordColumn& operator=(const CMultiRecordColumn&) = delete;

    void Init(short nKind, long nDeclaredWidth, long nRows, UINT nNameId);
    void Reset();
    void Rewind() { m_nCursor = 0; }

    // Each returns 1, or 0 (cursor unchanged) for a kind it does not handle.
    int GetChar(char& value);
    int GetLong(long& value);
    int GetShort(short& value);
    int GetFloat(float& value);
    int GetDouble(double& value);
    int GetText(LPSTR buffer, int nSize);
    int GetText(CString& value);
    int GetRecordId(CRecordId& value);

    int PutChar(char value);
    // BIT and SMALLINT kinds only.
    int PutWord(DWORD value);
    int PutUShort(WORD value);
    int PutULong(DWORD value);
    int PutLong(long value);
    int PutShort(short value);
    int PutFloat(float value);
    int PutDouble(double value);
    // At most the element width less one characters; the row always ends with a NUL.
    int PutText(LPCSTR value);
    int PutRecordId(const CRecordId& value);

    // Init with the field's SQL type and precision, then the first value.
    int InitText(UINT nNameId, const CFieldValue& field, long nRows, LPCSTR value);
    int InitFloat(UINT nNameId, const CFieldValue& field, long nRows, float value);
    int InitDouble(UINT nNameId, const CFieldValue& field, long nRows, double value);
    int InitLong(UINT nNameId, const CFieldValue& field, long nRows, long value);
    int InitChar(UINT nNameId, const CFieldValue& field, long nRows, char value);
    int InitWord(UINT nNameId, const CFieldValue& field, long nRows, DWORD value);
    int InitRecordId(UINT nNameId, const CFieldValue& field, long nRows, const CRecordId& value);
    int InitUShort(UINT nNameId, const CFieldValue& field, long nRows, WORD value);

    // The value at the cursor as text (the cursor advances as for a read).
    CString FormatValue();

    long GetRowCount() const { return m_nRows; }
    long GetElementWidth() const { return m_nElementWidth; }
    long GetCursor() const { return m_nCursor; }
    short GetKind() const { return m_nKind; }
    const CString& GetName() const { return m_strName; }
    BYTE* GetBuffer() const { return m_pBufferArray; }
    // One length word per row, as SQLBindCol takes them (pointer-sized).
    INT_PTR* GetLengths() const { return m_pFieldSizeArray; }

private:
    static long ElementWidth(short nKind, long nDeclaredWidth);
    BOOL IsText() const;
    BOOL IsWordSlot() const;
    // The row to read (wrapping to the first) or to write (none past the last); -1 when none.
    long ReadRow();
    long WriteRow() const;
    BYTE* Slot(long nRow) const { return m_pBufferArray + nRow * m_nElementWidth; }
    int PutNumber(double value, BOOL bIntegral);
    int GetNumber(double& value, BOOL& bIntegral);

    long m_nRows = 0;
    long m_nBufferSize = 0;
    long m_nElementWidth = 0;
    long m_nCursor = 0;
    short m_nKind = 0;
    BYTE* m_pBufferArray = nullptr;
    INT_PTR* m_pFieldSizeArray = nullptr;
    CString m_strName;
};
