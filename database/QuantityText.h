#pragma once

#include "framework/String.h"

// Quantities as the user reads and types them: kitchen fractions, decimal text and ranges
// joined by " to ". Unit types: 0 and 5 counted items, 1 liquid, 2 dry, 3 liquid or dry,
// 4 weight.
//
// Unit convention of the cookbook's unit rows (U_FACTOR1): liquid units (types 1 and 3)
// give their size in US fluid ounces, dry units (type 2) in US cups, weights (type 4) in
// ounces; U_FACTOR2 of a type 3 unit is its size in cups. An ingredient's LIQUID weight is
// grams per fluid ounce and its DRY weight grams per cup, so both the nutrition totals and
// the conversion for display read a unit the same way.
const double kMillilitresPerFluidOunce = 29.57353;
const double kFluidOuncesPerCup = 8.0;
const double kGramsPerOunce = 28.3495;

// The whole part with a kitchen fraction down to sixteenths ("1 1/2", "3/4", "2").
// With rounding, a fraction under a twentieth of the whole part is dropped.
CString FormatFraction(double value, bool round);

// The whole part, plus one only when the fraction part is above one half.
double RoundHalfUp(double value);

// Lifts a value lying within 0.01 below a whole number to that number.
void SnapQuantityUp(double& value);

// Writes low, or "low to high" for a range, into out (cut to outSize - 1 characters).
// numberStyle 0 writes fractions, any other style three significant digits.
void FormatQuantityRange(char* out, int outSize, int numberStyle, double low, double high, bool round);

// Reads "2", "1 1/2", "3/4", "1 to 2" or "1-2"; a high end below the low end becomes the low.
int ParseQuantityRange(const char* text, double& low, double& high);
void SplitQuantityRange(const char* text, double& low, double& high);
// TRUE when the whole text reads as a quantity or a range of two ("1 1/2", "3/4", ".5",
// "1 to 2", "1-2"), or is blank; "2 cups" and "1//2" are read only in part, so FALSE.
bool IsQuantityRangeText(const char* text);
double ParseQuantity(const char* text);

// Converts both values of a unit type to millilitres or grams. A volume value of types 1
// and 3 is in US fluid ounces, of type 2 (dry) in US cups; a weight is in ounces.
void ScaleToMetricByUnitType(double& a, double& b, int unitType);

// word + ending when the quantity is above 1.0312 or when force is set. An ending that
// begins with "-" replaces the word's last letter ("berry", "-ies": "berries").
CString PluralizeUnit(const char* word, double quantity, const char* ending, int force);
