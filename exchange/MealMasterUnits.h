#pragma once

// The two-character unit codes of Meal-Master text; one-letter codes carry a trailing blank.
// The unit word of a code, exactly as it stands in the code columns; null when the table lacks it.
const char* FindMealMasterUnitWord(const char* pszCode);
// The code whose unit word is the longest found in the unit text, any case ("kilograms" is a
// kilogram, not a gram); two blanks when no word is found.
const char* FindMealMasterUnitCode(const char* pszUnitText);
