#include "database/QuantityText.h"

#include "database/CustObList.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
struct FractionBound
{
    double below;
    const char* text;
};

// Each fraction part below a bound prints as that bound's text; from 0.9375 on it counts
// as the next whole number.
const FractionBound kFractionBounds[] = {
    {0.06, ""},      {0.0937, "1/16"}, {0.1875, "1/8"}, {0.3125, "1/4"}, {0.3542, "1/3"}, {0.4167, "3/8"},
    {0.5833, "1/2"}, {0.6458, "5/8"},  {0.6875, "2/3"}, {0.8125, "3/4"}, {0.9375, "7/8"},
};

const double kLargestWholePart = 2147483647.0;
const char kNumberChars[] = "0123456789.";

const char* FractionText(double fraction, long& whole)
{
    for (const FractionBound& bound : kFractionBounds)
    {
        if (fraction < bound.below)
            return bound.text;
    }
    ++whole;
    return "";
}

CString FormatDecimal(double value)
{
    char text[32];
    snprintf(text, sizeof text, "%.3g", value);
    return CString(text);
}

CString FormatEnd(int numberStyle, double value, bool round)
{
    return numberStyle == 0 ? FormatFraction(value, round) : FormatDecimal(value);
}

const char* SkipToNumber(const char* text)
{
    return text + strcspn(text, kNumberChars);
}

// Past the number under the pointer, then past everything up to the next digit.
const char* NextNumberStart(const char* text)
{
    text += strspn(text, kNumberChars);
    while (*text && !isdigit(static_cast<unsigned char>(*text)))
        ++text;
    return text;
}

double LeadingNumber(const char* text)
{
    char number[64];
    size_t length = strspn(text, kNumberChars);
    if (length >= sizeof number)
        length = sizeof number - 1;
    memcpy(number, text, length);
    number[length] = '\0';
    return atof(number);
}

// The earliest "to" in any case, else the first "-"; null when there is none.
const char* FindRangeSeparator(const char* text, size_t& length)
{
    for (const char* p = text; p[0] && p[1]; ++p)
    {
        if (tolower(static_cast<unsigned char>(p[0])) == 't' && tolower(static_cast<unsigned char>(p[1])) == 'o')
        {
            length = 2;
            return p;
        }
    }
    length = 1;
    return strchr(text, '-');
}

bool IsBlankText(const char* text)
{
    while (*text && isspace(static_cast<unsigned char>(*text)))
        ++text;
    return *text == '\0';
}
}  // namespace

CString FormatFraction(double value, bool round)
{
    double whole = 0.0;
    double fraction = modf(value, &whole);
    if (fraction != 0.0 && round && whole / fraction > 20.0)
    {
        if (fraction > 0.5833)
            whole += 1.0;
        fraction = 0.0;
    }
    if (whole > kLargestWholePart)
        whole = 0.0;
    long wholeNumber = static_cast<long>(whole);
    const char* fractionText = FractionText(fraction, wholeNumber);

    // At most 10 digits, a blank and "1/16": the text always fits the 20 characters that
    // the printed layouts allow for it.
    char text[32];
    if (wholeNumber == 0 && *fractionText)
        snprintf(text, sizeof text, "%s", fractionText);
    else if (*fractionText)
        snprintf(text, sizeof text, "%ld %s", wholeNumber, fractionText);
    else
        snprintf(text, sizeof text, "%ld", wholeNumber);
    return CString(text);
}

double RoundHalfUp(double value)
{
    double whole = 0.0;
    double fraction = modf(value, &whole);
    return fraction > 0.5 ? whole + 1.0 : whole;
}

void SnapQuantityUp(double& value)
{
    double next = floor(value) + 1.0;
    if (next - value <= 0.01)
        value = next;
}

void FormatQuantityRange(char* out, int outSize, int numberStyle, double low, double high, bool round)
{
    if (outSize <= 0)
        return;
    out[0] = '\0';
    if (low == 0.0 && high == 0.0)
        return;
    SnapQuantityUp(low);
    SnapQuantityUp(high);
    CString text = FormatEnd(numberStyle, low, round);
    if (high - low > 0.001)
    {
        text += " to ";
        text += FormatEnd(numberStyle, high, round);
    }
    snprintf(out, outSize, "%s", static_cast<const char*>(text));
}

double ParseQuantity(const char* text)
{
    const char* first = SkipToNumber(text);
    if (*first == '\0')
        return 0.0;
    double whole = LeadingNumber(first);
    const char* slash = strchr(first, '/');
    if (!slash)
        return whole;

    const char* next = NextNumberStart(first);
    double numerator = whole;
    const char* denominatorText = next;
    if (slash > next)
    {
        numerator = LeadingNumber(next);
        denominatorText = NextNumberStart(next);
    }
    else
    {
        whole = 0.0;
    }
    double denominator = LeadingNumber(denominatorText);
    return denominator != 0.0 ? whole + numerator / denominator : whole;
}

void SplitQuantityRange(const char* text, double& low, double& high)
{
    char range[41];
    snprintf(range, sizeof range, "%s", text);
    size_t separatorLength = 0;
    char* separator = const_cast<char*>(FindRangeSeparator(range, separatorLength));
    high = 0.0;
    if (separator)
    {
        high = ParseQuantity(separator + separatorLength);
        *separator = '\0';
    }
    low = ParseQuantity(range);
    if (high < low)
        high = low;
}

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

const char* SkipBlankChars(const char* p)
{
    while (*p == ' ' || *p == '\t')
        ++p;
    return p;
}

// "12", "1.5" or ".5"; null when none starts at p.
const char* EndOfNumber(const char* p)
{
    const char* start = p;
    while (IsDigit(*p))
        ++p;
    bool digits = p > start;
    if (*p == '.')
    {
        const char* fraction = ++p;
        while (IsDigit(*p))
            ++p;
        digits = digits || p > fraction;
    }
    return digits ? p : nullptr;
}

// "2", "3/4" or "1 1/2" at p; null when none starts there.
const char* EndOfQuantity(const char* p)
{
    const char* end = EndOfNumber(p);
    if (end == nullptr)
        return nullptr;
    if (*end == '/')
        return EndOfNumber(end + 1);
    const char* next = SkipBlankChars(end);
    if (next > end && IsDigit(*next))
    {
        const char* numerator = EndOfNumber(next);
        if (numerator != nullptr && *numerator == '/')
            return EndOfNumber(numerator + 1);
    }
    return end;
}

}  // namespace

bool IsQuantityRangeText(const char* text)
{
    const char* p = SkipBlankChars(text);
    if (*p == '\0')
        return true;
    p = EndOfQuantity(p);
    if (p == nullptr)
        return false;
    p = SkipBlankChars(p);
    if (*p == '-')
        ++p;
    else if (tolower(static_cast<unsigned char>(p[0])) == 't' && tolower(static_cast<unsigned char>(p[1])) == 'o')
        p += 2;
    else
        return *p == '\0';
    p = EndOfQuantity(SkipBlankChars(p));
    return p != nullptr && *SkipBlankChars(p) == '\0';
}

int ParseQuantityRange(const char* text, double& low, double& high)
{
    SplitQuantityRange(text, low, high);
    return 1;
}

void ScaleToMetricByUnitType(double& a, double& b, int unitType)
{
    double factor = 1.0;
    if (unitType == 1 || unitType == 3)
        factor = kMillilitresPerFluidOunce;
    else if (unitType == 2)
        factor = kMillilitresPerFluidOunce * kFluidOuncesPerCup;
    else if (unitType == 4)
        factor = kGramsPerOunce;
    a *= factor;
    b *= factor;
}

CString PluralizeUnit(const char* word, double quantity, const char* ending, int force)
{
    if (IsBlankText(ending))
        return CString(word);
    CString singular = TrimRightCopy(word);
    if (!force && quantity <= 1.0312)
        return singular;
    CString trimmedEnding = TrimRightCopy(ending);
    const char* suffix = trimmedEnding;
    if (*suffix == '-')
    {
        ++suffix;
        if (!singular.IsEmpty())
            singular = singular.Left(singular.GetLength() - 1);
    }
    return singular + suffix;
}
