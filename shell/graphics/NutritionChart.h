#pragma once

#include <memory>

#include "framework/Wnd.h"

class NUTRITION;

// A child window showing where a recipe's calories come from: one pie sector each for
// protein, carbohydrate, alcohol and fat, the smallest pulled out.
class CNutritionChart : public CWnd
{
public:
    static constexpr int MaxSlices = 4;

    CNutritionChart(CWnd* pParent, const RECT& rect);
    ~CNutritionChart() override;

    void ShowNutrition(const NUTRITION& nutrition);
    // The chart as it paints itself, into any device context.
    void DrawChart(HDC hdc, const RECT& area) const;

    int GetSliceCount() const { return m_sliceCount; }
    LPCSTR GetSliceLabel(int slice) const { return m_labels[slice]; }
    bool IsPulledOut(int slice) const { return m_exploded[slice] == 1; }

protected:
    DECLARE_MESSAGE_MAP()
    void OnPaint();

private:
    void BuildSlices();

    std::unique_ptr<NUTRITION> m_nutrition;
    double m_values[MaxSlices]{};
    int m_exploded[MaxSlices]{};
    COLORREF m_colours[MaxSlices]{};
    LPCSTR m_labels[MaxSlices]{};
    int m_sliceCount = 0;
    COLORREF m_textColour;
    COLORREF m_backColour;
};
