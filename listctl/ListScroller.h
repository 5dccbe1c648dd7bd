#pragma once
// The walks of parent queries that move a control's rows through its list: one row in and
// one out per line, or the whole set of rows rebuilt around an item. Each returns false when
// its first query fails, and then leaves rows, first index and selection as they were.

class CListRecord;

class CListScroller
{
public:
    explicit CListScroller(CListRecord& record) : m_r(record) {}

    bool LineDown();
    bool LineUp();
    bool PageDown(int extraLines);
    bool PageUp(int extraLines);
    bool FirstPage();
    bool LastPage();
    bool PageAt(int item, bool placeFirstIndex);
    bool PageAtPercent(int position);
    void UpdateThumb();

private:
    bool Page(int extraLines, bool down);
    bool QueryAfterBottom();
    bool QueryBeforeTop();
    void StartPage();
    void FillDown();
    void FillUp();
    void ShowVerticalBar(bool show);
    void SetThumb(int position);
    int ThumbPosition() const;
    bool BeginQuietMove();
    void EndQuietMove(bool quiet, bool down);

    CListRecord& m_r;
};
