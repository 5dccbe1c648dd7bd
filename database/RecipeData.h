#pragma once

#include "database/CustObList.h"
#include "database/RecordId.h"
#include "database/RefItemArray.h"
#include "framework/Object.h"
#include "framework/String.h"

class NUTRITION;

// One recipe in memory with its categories (CategoryListItem), ingredient lines
// (CIngData) and references (RefListItem). It owns everything it points to.
class CRecipeData : public CObject
{
    DECLARE_SERIAL(CRecipeData)
public:
    // Bits of the load level: which parts a load has filled.
    enum LoadLevel : BYTE
    {
        kLoadLines = 0x01,
        kLoadCategories = 0x02,
        kLoadNutrition = 0x04,
        kLoadReferences = 0x08,
        kLoadRecipeRow = 0x10,
        kLoadCanonicalUnits = 0x20
    };

    CRecipeData();
    CRecipeData(const CRecipeData& other);
    // A deep copy of everything but the spare text.
    CRecipeData& operator=(const CRecipeData& other);
    ~CRecipeData() override;

    // Compares the recipe's fields and its collections; not the nutrition nor the spare text.
    bool operator==(const CRecipeData& other) const;
    bool operator!=(const CRecipeData& other) const { return !(*this == other); }

    // An empty recipe of one serving; the total time keeps its text.
    void Clear();

    // Made, zeroed, on first request.
    NUTRITION* GetNutrition();
    // Stores a copy; null drops the profile.
    void SetNutrition(const NUTRITION* pNutrition);

    const CString& GetPrepTime() const { return m_prepTime; }
    const CString& GetCookTime() const { return m_cookTime; }
    const CString& GetStandTime() const { return m_standTime; }
    const CString& GetTotalTime() const { return m_totalTime; }

    // Total time, cost, cost unit and nutrition are not archived.
    void Serialize(CArchive& ar) override;

    BYTE m_loadLevel;
    CRecordId m_chapterId;
    CString m_chapterTitle;
    CRecordId m_recipeId;
    CString m_title;
    CString m_subtitle;
    WORD m_rating;
    CString m_intro;
    WORD m_servings;
    CString m_yieldUnit;
    CString m_prepTime;
    CString m_cookTime;
    CString m_standTime;
    CString m_totalTime;
    CString m_source;
    CString m_original;
    CString m_page;
    CString m_date;
    CString m_directions;
    double m_cost;
    CString m_costUnit;
    CCustObList m_categories;
    CCustObList m_lines;
    CRefItemArray m_links;
    // Neither copied, compared nor archived.
    CString m_spareText;

private:
    bool SameFields(const CRecipeData& other) const;
    bool SameLinks(const CRecipeData& other) const;

    NUTRITION* m_pNutrition;
};
