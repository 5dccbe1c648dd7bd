#pragma once

class CString;

// Key of every stored record: six decimal digits and a NUL, copied bytewise and archived as
// its 7 raw bytes. "000000" is a new record; "999999" means none.
class CRecordId
{
public:
    CRecordId();
    CRecordId(unsigned long number);
    CRecordId(const char* text);
    // Takes the first six characters as they stand, without normalising them.
    CRecordId(const CString& text);

    CRecordId& operator=(unsigned long number);

    // Numbers above 999999 (negative ones included, the comparison being unsigned) become "888888".
    void SetNumber(unsigned long number);
    // Normalises to six digits; a null pointer gives "000000".
    void SetText(const char* text);

    long GetNumber() const;
    const char* GetText() const { return m_text; }
    operator const char*() const { return m_text; }

    bool operator==(const char* text) const;
    bool operator==(const CRecordId& other) const;
    bool operator==(unsigned long number) const;
    bool operator!=(const char* text) const { return !(*this == text); }
    bool operator!=(const CRecordId& other) const { return !(*this == other); }
    bool operator!=(unsigned long number) const { return !(*this == number); }

    long operator++();
    long operator--();

private:
    char m_text[7];
};

static_assert(sizeof(CRecordId) == 7, "a record id is archived as its raw bytes");
