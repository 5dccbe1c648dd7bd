#pragma once

#include <windef.h>

#include <vector>

class CRecordset;
class CString;

// Moves values between a recordset's members and its statement: binds the parameters before a
// statement runs, and reads the columns of each fetched row in column order. A column's value
// is read whole whatever its length; a NULL reads as 0 or empty.
class CFieldExchange
{
public:
    enum FieldType
    {
        noFieldType = -1,
        outputColumn = 0,
        param = 1
    };
    enum Operation
    {
        BindParam,
        Fetch
    };

    CFieldExchange(Operation operation, CRecordset* pRecordset);
    CFieldExchange(const CFieldExchange&) = delete;
    CFieldExchange& operator=(const CFieldExchange&) = delete;

    void SetFieldType(UINT nFieldType) { m_nFieldType = nFieldType; }

    // Used by the RFX_ functions: TRUE when this exchange acts on a field of the current type.
    BOOL IsBindingParam() const { return m_nOperation == BindParam && m_nFieldType == param; }
    BOOL IsFetchingColumn() const { return m_nOperation == Fetch && m_nFieldType == outputColumn; }
    void BindParameter(short cType, short sqlType, unsigned long columnSize, void* value, long bufferLength,
                       BOOL bText);
    // Reads the next column as the C type into value (bytes); FALSE for NULL.
    BOOL GetNextColumn(short cType, void* value, long size);
    BOOL GetNextColumnText(CString& value);
    BOOL GetNextColumnBinary(std::vector<BYTE>& value);

private:
    Operation m_nOperation;
    UINT m_nFieldType;
    CRecordset* m_prs;
    int m_nColumn;
    int m_nParam;
};

void RFX_Long(CFieldExchange* pFX, LPCSTR szName, long& value);
void RFX_Int(CFieldExchange* pFX, LPCSTR szName, short& value);
void RFX_Single(CFieldExchange* pFX, LPCSTR szName, float& value);
void RFX_Double(CFieldExchange* pFX, LPCSTR szName, double& value);
void RFX_Bool(CFieldExchange* pFX, LPCSTR szName, BOOL& value);
void RFX_Byte(CFieldExchange* pFX, LPCSTR szName, BYTE& value);
// Seconds since 1 January 1970 in local time, as the framework's 32-bit time value.
void RFX_Date(CFieldExchange* pFX, LPCSTR szName, long& value);
void RFX_Binary(CFieldExchange* pFX, LPCSTR szName, std::vector<BYTE>& value, int nMaxLength = 255);
// nMaxLength bounds a parameter only: a column is read whole.
void RFX_Text(CFieldExchange* pFX, LPCSTR szName, CString& value, int nMaxLength = 255, int nColumnType = 12);
