#include "shell/services/FormulaEvaluator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

struct Evaluation
{
    double value;
    int nStatus;
    std::string text;
};

Evaluation Evaluate(const std::string& formula, double x = 0.0, double y = 0.0)
{
    std::vector<char> buffer(formula.begin(), formula.end());
    buffer.push_back('\0');
    Evaluation result;
    result.nStatus = -1;
    result.value = EvaluateFormula(buffer.data(), result.nStatus, x, y);
    result.text = buffer.data();
    return result;
}

TEST(FormulaEvaluator, OperatorsFunctionsAndPrecedence)
{
    const struct
    {
        const char* formula;
        double expected;
    } cases[] = {
        {"2+3*4", 14},         {"(2+3)*4", 20},     {"2^3^2", 512},      {"-2^2", 4},         {"10-4-3", 3},
        {"12/3/2", 2},         {"2*-3", -6},        {"2^-1", 0.5},       {"-(2+3)", -5},      {" 2 + 2 ", 4},
        {".5*4", 2},           {"1.5E+2", 150},     {"2.5e-1", 0.25},    {"sqr(3)", 9},       {"SQRT(16)", 4},
        {"abs(-2)", 2},        {"COSH(0)", 1},      {"sinh(0)", 0},      {"tanh(0)", 0},      {"cos(0)", 1},
        {"sin(0)", 0},         {"tan(0)", 0},       {"acos(1)", 0},      {"asin(0)", 0},      {"atan(0)", 0},
        {"exp(0)", 1},         {"log(1)", 0},       {"log10(1000)", 3},  {"pow10(2)", 100},   {"ROUND(2.5)", 3},
        {"ROUND(2.4)", 2},     {"ROUND(-2.7)", -3}, {"TRUNC(-2.7)", -2}, {"trunc(2.7)", 2},   {"sqr(1+2)*2", 18},
        {"2*sqrt(sqr(3))", 6}, {"ROUND(-2.5)", -3}, {"ROUND(-0.5)", -1}, {"ROUND(-2.4)", -2}, {"ROUND(0.5)", 1},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.formula);
        const Evaluation result = Evaluate(c.formula);
        EXPECT_EQ(1, result.nStatus);
        EXPECT_NEAR(c.expected, result.value, 1e-12);
    }
}

TEST(FormulaEvaluator, VariablesAndTheTextGivenBackInUpperCase)
{
    const Evaluation product = Evaluate("x*2", 1.5);
    EXPECT_EQ(1, product.nStatus);
    EXPECT_EQ(3.0, product.value);
    EXPECT_EQ("X*2", product.text);

    const Evaluation difference = Evaluate("y - x", 1.0, 5.0);
    EXPECT_EQ(4.0, difference.value);
    EXPECT_EQ("Y - X", difference.text);
}

TEST(FormulaEvaluator, DivisionByZeroIsPositiveInfinity)
{
    for (const char* formula : {"8/0", "-8/0", "8/(1-1)", "8/-0"})
    {
        SCOPED_TRACE(formula);
        const Evaluation result = Evaluate(formula);
        EXPECT_EQ(1, result.nStatus);
        EXPECT_EQ(std::numeric_limits<double>::infinity(), result.value);
    }
}

TEST(FormulaEvaluator, DomainErrorsKeepTheStatus)
{
    const Evaluation result = Evaluate("sqrt(-1)");
    EXPECT_EQ(1, result.nStatus);
    EXPECT_TRUE(std::isnan(result.value));
}

TEST(FormulaEvaluator, SyntaxErrorsFailAndLeaveTheTextAlone)
{
    for (const char* formula : {".", "2..3", "foo(1)", "--2", "", "2+", "(2", "2)", "2 3", "3:4", "2#3", "sin 2",
                                "sqrt(", "x y", "2*", "()", "2^^3", "abs"})
    {
        SCOPED_TRACE(formula);
        const Evaluation result = Evaluate(formula);
        EXPECT_EQ(0, result.nStatus);
        EXPECT_EQ(0.0, result.value);
        EXPECT_EQ(formula, result.text);
    }
}

TEST(FormulaEvaluator, NestingBeyondTheParseStackFails)
{
    const auto nested = [](int nDepth) { return std::string(nDepth, '(') + "1" + std::string(nDepth, ')'); };

    EXPECT_EQ(1, Evaluate(nested(17)).nStatus);
    EXPECT_EQ(0, Evaluate(nested(18)).nStatus);
    EXPECT_EQ(0, Evaluate(std::string(40, '(') + "1").nStatus);
}

TEST(FormulaEvaluator, FormulaLongerThanTheLimitIsRefused)
{
    std::string longest = "1";
    while (longest.size() < FormulaEvaluator::MaxFormulaLength)
        longest += "+1";
    ASSERT_EQ(179u, longest.size());

    const Evaluation fits = Evaluate(longest);
    EXPECT_EQ(1, fits.nStatus);
    EXPECT_EQ(90.0, fits.value);

    const Evaluation tooLong = Evaluate(longest + " ");
    EXPECT_EQ(0, tooLong.nStatus);
    EXPECT_EQ(0.0, tooLong.value);
}

TEST(FormulaEvaluator, CellReferencesOfOneOrTwoLettersAndARowNumber)
{
    const struct
    {
        const char* text;
        bool bRead;
        int nColumn;
        int nRow;
        int nConsumed;
    } cases[] = {
        {"A1", true, 0, 0, 2},    {"Z12+3", true, 25, 11, 3},
        {"AA10", true, 26, 9, 4}, {"CV100", true, 99, 99, 5},
        {"CW1", false, 0, 0, 2},  {"A0", false, 0, 0, 2},
        {"A101", false, 0, 0, 4}, {"B", false, 0, 0, 1},
        {"1A", false, 0, 0, 0},   {"A0000000000000000001", true, 0, 0, 20},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.text);
        const char* pszPosition = c.text;
        int nColumn = -1;
        int nRow = -1;
        EXPECT_EQ(c.bRead, ReadCellReference(pszPosition, nColumn, nRow));
        EXPECT_EQ(c.nConsumed, pszPosition - c.text);
        if (c.bRead)
        {
            EXPECT_EQ(c.nColumn, nColumn);
            EXPECT_EQ(c.nRow, nRow);
        }
    }
}

}  // namespace
