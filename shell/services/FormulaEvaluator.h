#pragma once

#include <array>

#include "framework/String.h"

// Evaluates an arithmetic formula over the variables X and Y: numbers,
// + - * / ^ (right-associative), parentheses, a unary minus on one operand
// (binding tighter than ^, so -2^2 is 4) and the functions ABS, ACOS, ASIN,
// ATAN, COS, COSH, EXP, LOG, LOG10, POW10, ROUND, SIN, SINH, SQR, SQRT, TAN,
// TANH and TRUNC. Case does not matter. Division by zero gives +infinity.
//
// On success nStatus is 1 and pszText (a writable buffer) is given back in
// upper case; on any error nStatus is 0, the result 0.0 and the text left
// alone. Formulas longer than MaxFormulaLength characters are refused.
double EvaluateFormula(char* pszText, int& nStatus, double x, double y);

// Reads a cell reference at pszPosition: one or two upper-case letters for the column ("A" is
// 0, "AA" 26, at most 99) and a row number from 1 to 100 (row 0 to 99). The position moves
// past what was read. The formula tokenizer has no cell token, so formulas never use it.
bool ReadCellReference(const char*& pszPosition, int& nColumn, int& nRow);

// A table-driven shift-reduce parser that computes while it reduces. Its
// stack holds at most StackSize records, which bounds the nesting depth.
class FormulaEvaluator
{
public:
    enum
    {
        MaxFormulaLength = 179,
        StackSize = 20
    };

    FormulaEvaluator(double x, double y);

    // pszUpperText: the formula in upper case. TRUE and the value when it is
    // a valid formula.
    bool Evaluate(const char* pszUpperText, double& value);

    enum Token
    {
        Plus,
        Minus,
        Times,
        Divide,
        Power,
        Colon,
        Open,
        Close,
        Number,
        Cell,
        Function,
        End,
        Bad
    };

private:
    struct ParseRecord
    {
        int nState;
        double value;   // of a number or of what a rule reduced
        int nFunction;  // of a function token: its index in the function table
    };

    Token NextFormulaToken();
    Token ReadNumber();
    bool MatchFunctionName(const char* pszName);
    void PushParseRecord(const ParseRecord& record);
    ParseRecord PopParseRecord();
    int GotoState(int nRule) const;
    void ShiftToken(int nState);
    void ReduceRule(int nRule);
    double ReducedValue(int nRule, const ParseRecord* pRhs) const;

    double m_x;
    double m_y;
    const char* m_pszText;
    int m_nPosition;
    ParseRecord m_current;
    Token m_token;
    std::array<ParseRecord, StackSize> m_stack;
    int m_nTop;
    bool m_bError;
};
