#include "shell/services/FormulaEvaluator.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {
struct FormulaFunction
{
    const char* pszName;
    double (*pfnApply)(double);
};

double Square(double value)
{
    return value * value;
}
double PowerOfTen(double value)
{
    return std::pow(10.0, value);
}
// Halves round away from zero, so that ROUND(-x) is -ROUND(x).
double RoundHalfAway(double value)
{
    return std::round(value);
}

// Where two names share a beginning the longer comes first, as the
// tokenizer takes the first name that matches.
const FormulaFunction s_functions[] = {
    {"ABS", [](double v) { return std::fabs(v); }},
    {"ACOS", [](double v) { return std::acos(v); }},
    {"ASIN", [](double v) { return std::asin(v); }},
    {"ATAN", [](double v) { return std::atan(v); }},
    {"COSH", [](double v) { return std::cosh(v); }},
    {"COS", [](double v) { return std::cos(v); }},
    {"EXP", [](double v) { return std::exp(v); }},
    {"LOG10", [](double v) { return std::log10(v); }},
    {"LOG", [](double v) { return std::log(v); }},
    {"POW10", PowerOfTen},
    {"ROUND", RoundHalfAway},
    {"SINH", [](double v) { return std::sinh(v); }},
    {"SIN", [](double v) { return std::sin(v); }},
    {"SQRT", [](double v) { return std::sqrt(v); }},
    {"SQR", Square},
    {"TANH", [](double v) { return std::tanh(v); }},
    {"TAN", [](double v) { return std::tan(v); }},
    {"TRUNC", [](double v) { return std::trunc(v); }},
};

bool IsDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}
bool IsLetter(char ch)
{
    return ch >= 'A' && ch <= 'Z';
}

struct Action
{
    enum Kind
    {
        Error,
        Shift,
        Reduce,
        Accept
    } kind;
    int n;
};

const Action s_error = {Action::Error, 0};
Action Shift(int nState)
{
    return {Action::Shift, nState};
}
Action Reduce(int nRule)
{
    return {Action::Reduce, nRule};
}

using Token = FormulaEvaluator::Token;

// An operand may start with a number, a function, a parenthesis, and (unless
// a minus came just before) a minus.
Action OperandStart(Token token, bool bMinusAllowed)
{
    switch (token)
    {
    case Token::Number: return Shift(10);
    case Token::Function: return Shift(11);
    case Token::Open: return Shift(9);
    case Token::Minus: return bMinusAllowed ? Shift(5) : s_error;
    default: return s_error;
    }
}

// After an expression: another term, or the close that ends it.
Action AfterExpression(Token token, int nCloseState)
{
    switch (token)
    {
    case Token::Plus: return Shift(12);
    case Token::Minus: return Shift(13);
    case Token::Close: return nCloseState ? Shift(nCloseState) : s_error;
    default: return s_error;
    }
}

// After a term: a further factor binds first.
Action AfterTerm(Token token, int nRule)
{
    switch (token)
    {
    case Token::Times: return Shift(14);
    case Token::Divide: return Shift(15);
    default: return Reduce(nRule);
    }
}

// Rules: 1 E->E+T, 2 E->E-T, 3 E->T, 4 T->T*F, 5 T->T/F, 6 T->F, 7 F->K^F,
// 8 F->K, 9 K->-S, 10 K->S, 12 S->A, 14 A->(E), 15 A->number,
// 16 A->function(E). Rules 11 and 13 belong to cell references, which the
// tokenizer never produces.
Action ActionFor(int nState, Token token)
{
    switch (nState)
    {
    case 0:
    case 9:
    case 12:
    case 13:
    case 14:
    case 15:
    case 16:
    case 20: return OperandStart(token, true);
    case 5: return OperandStart(token, false);
    case 1: return token == Token::End ? Action{Action::Accept, 0} : AfterExpression(token, 0);
    case 2: return AfterTerm(token, 3);
    case 3: return Reduce(6);
    case 4: return token == Token::Power ? Shift(16) : Reduce(8);
    case 6: return Reduce(10);
    case 8: return Reduce(12);
    case 10: return Reduce(15);
    case 11: return token == Token::Open ? Shift(20) : s_error;
    case 17: return Reduce(9);
    case 19: return AfterExpression(token, 27);
    case 21: return AfterTerm(token, 1);
    case 22: return AfterTerm(token, 2);
    case 23: return Reduce(4);
    case 24: return Reduce(5);
    case 25: return Reduce(7);
    case 27: return Reduce(14);
    case 28: return AfterExpression(token, 29);
    case 29: return Reduce(16);
    default: return s_error;
    }
}

bool IsOperandState(int nState)
{
    switch (nState)
    {
    case 0:
    case 9:
    case 12:
    case 13:
    case 14:
    case 15:
    case 16:
    case 20: return true;
    default: return false;
    }
}

int RightHandSideLength(int nRule)
{
    switch (nRule)
    {
    case 1:
    case 2:
    case 4:
    case 5:
    case 7:
    case 14: return 3;
    case 9: return 2;
    case 16: return 4;
    default: return 1;
    }
}

const int s_nErrorState = 30;
const int MaxCellColumns = 100;
const unsigned long long MaxCellRows = 100;
}  // namespace

double EvaluateFormula(char* pszText, int& nStatus, double x, double y)
{
    nStatus = 0;
    if (!pszText || std::strlen(pszText) > FormulaEvaluator::MaxFormulaLength)
        return 0.0;
    CString upper = pszText;
    upper.MakeUpper();
    double value = 0.0;
    if (!FormulaEvaluator(x, y).Evaluate(upper, value))
        return 0.0;
    std::memcpy(pszText, upper.GetString(), static_cast<size_t>(upper.GetLength()));
    nStatus = 1;
    return value;
}

bool ReadCellReference(const char*& pszPosition, int& nColumn, int& nRow)
{
    if (!IsLetter(*pszPosition))
        return false;
    nColumn = *pszPosition++ - 'A';
    if (IsLetter(*pszPosition))
        nColumn = nColumn * 26 + (*pszPosition++ - 'A') + 26;
    if (nColumn >= MaxCellColumns)
        return false;
    // Nineteen digits still fit an unsigned 64-bit number.
    unsigned long long number = 0;
    int nDigits = 0;
    for (; nDigits < 19 && IsDigit(*pszPosition); ++nDigits)
        number = number * 10 + static_cast<unsigned>(*pszPosition++ - '0');
    if (nDigits == 0 || number < 1 || number > MaxCellRows)
        return false;
    nRow = static_cast<int>(number - 1);
    return true;
}

FormulaEvaluator::FormulaEvaluator(double x, double y)
    : m_x(x), m_y(y), m_pszText(""), m_nPosition(0), m_current(), m_token(End), m_stack(), m_nTop(-1), m_bError(false)
{
}

bool FormulaEvaluator::Evaluate(const char* pszUpperText, double& value)
{
    m_pszText = pszUpperText;
    m_nPosition = 0;
    m_nTop = -1;
    m_bError = false;
    PushParseRecord(ParseRecord{0, 0.0, -1});
    m_token = NextFormulaToken();
    while (!m_bError)
    {
        const Action action = ActionFor(m_stack[static_cast<size_t>(m_nTop)].nState, m_token);
        switch (action.kind)
        {
        case Action::Shift: ShiftToken(action.n); break;
        case Action::Reduce: ReduceRule(action.n); break;
        case Action::Accept: value = m_stack[static_cast<size_t>(m_nTop)].value; return true;
        case Action::Error: m_bError = true; break;
        }
    }
    return false;
}

FormulaEvaluator::Token FormulaEvaluator::NextFormulaToken()
{
    m_current = ParseRecord{0, 0.0, -1};
    while (m_pszText[m_nPosition] == ' ')
        ++m_nPosition;
    const char ch = m_pszText[m_nPosition];
    if (ch == '\0')
        return End;
    if (ch == 'X' || ch == 'Y')
    {
        ++m_nPosition;
        m_current.value = ch == 'X' ? m_x : m_y;
        return Number;
    }
    if (IsDigit(ch) || ch == '.')
        return ReadNumber();
    if (IsLetter(ch))
    {
        for (const FormulaFunction& function : s_functions)
            if (MatchFunctionName(function.pszName))
            {
                m_current.nFunction = static_cast<int>(&function - s_functions);
                return Function;
            }
        return Bad;
    }
    ++m_nPosition;
    switch (ch)
    {
    case '+': return Plus;
    case '-': return Minus;
    case '*': return Times;
    case '/': return Divide;
    case '^': return Power;
    case ':': return Colon;
    case '(': return Open;
    case ')': return Close;
    default: return Bad;
    }
}

// Digits with at most one point, then an exponent: "E", a sign and at most
// three digits.
FormulaEvaluator::Token FormulaEvaluator::ReadNumber()
{
    const int nStart = m_nPosition;
    bool bPoint = false;
    for (char ch; IsDigit(ch = m_pszText[m_nPosition]) || (ch == '.' && !bPoint); ++m_nPosition)
        bPoint = bPoint || ch == '.';
    if (m_nPosition - nStart == 1 && bPoint)
        return Bad;
    if (m_pszText[m_nPosition] == 'E')
    {
        ++m_nPosition;
        if (m_pszText[m_nPosition] == '+' || m_pszText[m_nPosition] == '-')
            ++m_nPosition;
        for (int nDigits = 0; nDigits < 3 && IsDigit(m_pszText[m_nPosition]); ++nDigits)
            ++m_nPosition;
    }
    m_current.value = std::atof(CString(m_pszText + nStart, m_nPosition - nStart));
    return Number;
}

bool FormulaEvaluator::MatchFunctionName(const char* pszName)
{
    const size_t cchName = std::strlen(pszName);
    if (std::strncmp(m_pszText + m_nPosition, pszName, cchName) != 0)
        return false;
    m_nPosition += static_cast<int>(cchName);
    return true;
}

void FormulaEvaluator::PushParseRecord(const ParseRecord& record)
{
    if (m_nTop == StackSize - 1)
    {
        m_bError = true;
        return;
    }
    m_stack[static_cast<size_t>(++m_nTop)] = record;
}

FormulaEvaluator::ParseRecord FormulaEvaluator::PopParseRecord()
{
    return m_stack[static_cast<size_t>(m_nTop--)];
}

int FormulaEvaluator::GotoState(int nRule) const
{
    const int nState = m_stack[static_cast<size_t>(m_nTop)].nState;
    switch (nRule)
    {
    case 1:
    case 2:
    case 3: return nState == 0 ? 1 : nState == 9 ? 19 : nState == 20 ? 28 : s_nErrorState;
    case 4:
    case 5:
    case 6:
        if (nState == 0 || nState == 9 || nState == 20)
            return 2;
        return nState == 12 ? 21 : nState == 13 ? 22 : s_nErrorState;
    case 7:
    case 8:
        if (nState == 0 || nState == 9 || nState == 12 || nState == 13 || nState == 20)
            return 3;
        return nState == 14 ? 23 : nState == 15 ? 24 : nState == 16 ? 25 : s_nErrorState;
    case 9:
    case 10: return IsOperandState(nState) ? 4 : s_nErrorState;
    case 12: return IsOperandState(nState) ? 6 : nState == 5 ? 17 : s_nErrorState;
    case 14:
    case 15:
    case 16: return IsOperandState(nState) || nState == 5 ? 8 : s_nErrorState;
    default: return s_nErrorState;
    }
}

void FormulaEvaluator::ShiftToken(int nState)
{
    m_current.nState = nState;
    PushParseRecord(m_current);
    m_token = NextFormulaToken();
}

void FormulaEvaluator::ReduceRule(int nRule)
{
    ParseRecord rhs[4];
    const int nLength = RightHandSideLength(nRule);
    for (int i = nLength - 1; i >= 0; --i)
        rhs[i] = PopParseRecord();
    ParseRecord reduced = {GotoState(nRule), ReducedValue(nRule, rhs), -1};
    PushParseRecord(reduced);
}

double FormulaEvaluator::ReducedValue(int nRule, const ParseRecord* pRhs) const
{
    switch (nRule)
    {
    case 1: return pRhs[0].value + pRhs[2].value;
    case 2: return pRhs[0].value - pRhs[2].value;
    case 4: return pRhs[0].value * pRhs[2].value;
    case 5: return pRhs[2].value == 0.0 ? std::numeric_limits<double>::infinity() : pRhs[0].value / pRhs[2].value;
    case 7: return std::pow(pRhs[0].value, pRhs[2].value);
    case 9: return -pRhs[1].value;
    case 14: return pRhs[1].value;
    case 16: return s_functions[pRhs[0].nFunction].pfnApply(pRhs[2].value);
    default: return pRhs[0].value;
    }
}
