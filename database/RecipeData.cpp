#include "database/RecipeData.h"

#include "database/CategoryListItem.h"
#include "database/IngData.h"
#include "database/Nutrition.h"
#include "database/RecordArchive.h"
#include "database/RefListItem.h"
#include "framework/Archive.h"

IMPLEMENT_SERIAL(CRecipeData, CObject, 2)

namespace {
const char kNoTime[] = "0:00";
}

CRecipeData::CRecipeData()
    : m_loadLevel(0), m_rating(0), m_servings(0), m_prepTime(kNoTime), m_cookTime(kNoTime), m_standTime(kNoTime),
      m_totalTime(kNoTime), m_cost(0.0), m_pNutrition(nullptr)
{
}

CRecipeData::CRecipeData(const CRecipeData& other) : CRecipeData()
{
    *this = other;
}

CRecipeData& CRecipeData::operator=(const CRecipeData& other)
{
    if (this == &other)
        return *this;
    CObject::operator=(other);
    m_loadLevel = other.m_loadLevel;
    m_chapterId = other.m_chapterId;
    m_chapterTitle = other.m_chapterTitle;
    m_recipeId = other.m_recipeId;
    m_title = other.m_title;
    m_subtitle = other.m_subtitle;
    m_rating = other.m_rating;
    m_intro = other.m_intro;
    m_servings = other.m_servings;
    m_yieldUnit = other.m_yieldUnit;
    m_prepTime = other.m_prepTime;
    m_cookTime = other.m_cookTime;
    m_standTime = other.m_standTime;
    m_totalTime = other.m_totalTime;
    m_source = other.m_source;
    m_original = other.m_original;
    m_page = other.m_page;
    m_date = other.m_date;
    m_directions = other.m_directions;
    m_cost = other.m_cost;
    m_costUnit = other.m_costUnit;
    SetNutrition(other.m_pNutrition);
    m_categories = other.m_categories;
    m_lines = other.m_lines;
    m_links.Copy(other.m_links);
    return *this;
}

CRecipeData::~CRecipeData()
{
    delete m_pNutrition;
}

bool CRecipeData::operator==(const CRecipeData& other) const
{
    return SameFields(other) && SameLinks(other) && m_categories == other.m_categories && m_lines == other.m_lines;
}

bool CRecipeData::SameFields(const CRecipeData& other) const
{
    return m_loadLevel == other.m_loadLevel && m_chapterId == other.m_chapterId &&
           m_chapterTitle == other.m_chapterTitle && m_recipeId == other.m_recipeId && m_title == other.m_title &&
           m_subtitle == other.m_subtitle && m_rating == other.m_rating && m_intro == other.m_intro &&
           m_servings == other.m_servings && m_yieldUnit == other.m_yieldUnit && m_prepTime == other.m_prepTime &&
           m_cookTime == other.m_cookTime && m_standTime == other.m_standTime && m_totalTime == other.m_totalTime &&
           m_source == other.m_source && m_original == other.m_original && m_page == other.m_page &&
           m_date == other.m_date && m_directions == other.m_directions && m_cost == other.m_cost &&
           m_costUnit == other.m_costUnit;
}

// Links by their own equality, content included.
bool CRecipeData::SameLinks(const CRecipeData& other) const
{
    if (m_links.GetSize() != other.m_links.GetSize())
        return false;
    for (int i = 0; i < m_links.GetSize(); ++i)
    {
        const RefListItem* pMine = m_links.GetRefAt(i);
        const RefListItem* pTheirs = other.m_links.GetRefAt(i);
        if (pMine != pTheirs && (!pMine || !pTheirs || *pMine != *pTheirs))
            return false;
    }
    return true;
}

void CRecipeData::Clear()
{
    m_loadLevel = 0;
    m_chapterId.SetNumber(0);
    m_recipeId.SetNumber(0);
    m_chapterTitle.Empty();
    m_title.Empty();
    m_subtitle.Empty();
    m_intro.Empty();
    m_yieldUnit.Empty();
    m_source.Empty();
    m_original.Empty();
    m_page.Empty();
    m_date.Empty();
    m_directions.Empty();
    m_costUnit.Empty();
    m_spareText.Empty();
    m_rating = 0;
    m_servings = 1;
    m_prepTime = kNoTime;
    m_cookTime = kNoTime;
    m_standTime = kNoTime;
    m_cost = 0.0;
    SetNutrition(nullptr);
    m_categories.DeleteAll();
    m_lines.DeleteAll();
    m_links.DeleteAll();
}

NUTRITION* CRecipeData::GetNutrition()
{
    if (!m_pNutrition)
        m_pNutrition = new NUTRITION;
    return m_pNutrition;
}

void CRecipeData::SetNutrition(const NUTRITION* pNutrition)
{
    NUTRITION* pCopy = pNutrition ? new NUTRITION(*pNutrition) : nullptr;
    delete m_pNutrition;
    m_pNutrition = pCopy;
}

void CRecipeData::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring())
    {
        ar << m_loadLevel;
        WriteRecordId(ar, m_chapterId);
        ar << m_chapterTitle;
        WriteRecordId(ar, m_recipeId);
        ar << m_title << m_subtitle << m_rating << m_intro << m_servings;
        ar << m_yieldUnit << m_prepTime << m_cookTime << m_standTime;
        ar << m_source << m_original << m_page << m_date << m_directions;
        m_links.Serialize(ar);
        m_categories.Serialize(ar);
        m_lines.Serialize(ar);
        return;
    }
    ar >> m_loadLevel;
    ReadRecordId(ar, m_chapterId);
    ar >> m_chapterTitle;
    ReadRecordId(ar, m_recipeId);
    ar >> m_title >> m_subtitle >> m_rating >> m_intro >> m_servings;
    ar >> m_yieldUnit >> m_prepTime >> m_cookTime >> m_standTime;
    ar >> m_source >> m_original >> m_page >> m_date >> m_directions;
    m_links.Serialize(ar);
    m_categories.Load(ar, RUNTIME_CLASS(CategoryListItem));
    m_lines.Load(ar, RUNTIME_CLASS(CIngData));
}
