#pragma once

#include <memory>

class CPageFormatter;
class CReportJob;

// The writer of an export format's own text (MasterCook, Meal-Master, tagged text), or null
// when the format has none: the caller then writes the recipe print layout.
std::unique_ptr<CReportJob> MakeFormatWriter(int nFormat, CPageFormatter* pOutput);
