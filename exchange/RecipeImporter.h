#pragma once

#include <map>

#include "database/RecordId.h"
#include "database/TOCListItem.h"
#include "framework/String.h"
#include "framework/StringArray.h"

class CategoryListItem;
class CCookbookDatabase;
class CCustObArray;
class CCustObList;
class CIngData;
class CProgressDlg;
class CRecipeData;
class CWnd;

// The base of every recipe importer: the titles found in a source, the lookups that map
// imported category, ingredient and unit names to ids of the open cookbook, the progress window
// of a running import, the status of the last recipe and the list of problems met so far.
// Importers work on the application's current database; no exception leaves one.
class CRecipeImporter
{
public:
    enum Status
    {
        kOk = 0,
        kWrongType = 1,
        kBadTitle = 2,
        kBadCategories = 3,
        kBadServings = 4,
        kBadPrepTime = 5,
        kBadIngredient = 6,
        kBadDirections = 7,
        kBadNotes = 8,
        kBadSource = 9,
        kAborted = 10,
        kReadError = 11,
        kBadField = 12,
        kUnknownBlock = 13,
        kReferenceNotSaved = 14,
        kBadReference = 15,
        kBadTimings = 16,
        kBadQuantity = 17,
        kBadIngredientBlock = 18,
        kBadUnitBlock = 19,
        kBadNutrition = 20,
        kBadYield = 21,
        kBadCost = 22,
        kBadIntroduction = 23,
        kBadSubtitle = 24,
        kUnexpectedEnd = 25,
        kUnknownError = 26
    };

    CRecipeImporter();
    virtual ~CRecipeImporter();
    CRecipeImporter(const CRecipeImporter&) = delete;
    CRecipeImporter& operator=(const CRecipeImporter&) = delete;

    virtual int Open(const char* pszPath);
    virtual int CheckHeader() = 0;
    virtual int ImportByTitle(const CString& title, CRecipeData& recipe);
    virtual int Rewind();
    virtual int ImportNext(CRecipeData& recipe);
    virtual const TOCListItem& GetChapterItem() const;
    virtual int HasSourceChapters();
    // Fills the caller's array with copies of the source's chapters (TOCListItem); non-zero when
    // there is one at least.
    virtual int GetSourceChapters(CCustObArray& chapters);
    // The chapter of the source whose titles are read.
    void SetSourceChapterId(const CRecordId& id) { m_sourceChapterId = id; }
    virtual int ScanTitles() = 0;
    virtual int FindCategory(CategoryListItem& item);
    virtual int AddCategory(CategoryListItem& item);
    virtual int FindIngredient(CIngData& line);
    virtual int FindUnit(CIngData& line);
    // By place in the title list, so that recipes of the same title each import their own.
    // 1 only when the recipe was read whole; else it is named in the problems.
    virtual int ImportByIndex(int index, CRecipeData& recipe);

    // Codes outside the table are stored as kUnknownError; returns the code given.
    int SetStatus(int code);
    int GetStatus() const { return m_status; }
    const CString& GetStatusText();
    const CStringArray& GetTitles();
    // One entry per recipe that could not be read or per damage met in one that was:
    // "line N: title: text", N a physical line of the source.
    const CStringArray& GetProblems() const { return m_problems; }

    void StartProgress(CWnd* pParent, const char* pszCaption);
    void EndProgress();
    int SetProgressText(const char* pszText, int nLine);
    // The same with a text of the string table, read only when a progress box shows it and
    // the steps of the recipe being read are shown.
    int SetProgressStep(UINT nTextId, int nLine);
    // A batch shows the steps of only some of the recipes it reads (all are shown until it says).
    void ShowRecipeSteps(BOOL bShow) { m_bShowSteps = bShow; }
    int IsAborted();

    // For a name the catalogue lacks: "name+" or "name+, preparation" becomes the preparation.
    static void MoveNameToPreparation(CIngData& line);
    // The line's name and preparation, with a name that MoveNameToPreparation moved put back.
    static void GetMovedName(const CIngData& line, CString& name, CString& preparation);

protected:
    static CCookbookDatabase& Database();
    void AddProblem(long nLine, const CString& title, const CString& text);
    // A problem of a source that has no lines: "title: text".
    void AddProblem(const CString& title, const CString& text);
    // Finds the category under the import category, adding it when it is missing.
    int FindOrAddCategory(CategoryListItem& item);
    // A line whose ingredient was just added to the catalogue is found from now on.
    void RememberIngredient(const CIngData& line);
    // A copy joins the recipe; the name is filed under the import category.
    void AddRecipeCategory(CRecipeData& recipe, const CString& name);
    // The named top-level category that every recipe of this importer is filed under.
    void UseImportCategory(const char* pszName);

    CString m_sourceName;
    TOCListItem m_chapterItem;
    CRecordId m_sourceChapterId;
    CRecordId m_importCategoryId;
    CStringArray m_titles;
    long m_cursor;

private:
    static CString CategoryKey(const CategoryListItem& item);
    void LoadCategoryMap();
    void LoadUnitMap();
    int LookUpIngredientName(CIngData& line, const CString& name);

    std::map<CString, CRecordId> m_unitMap;
    std::map<CString, CRecordId> m_categoryMap;
    static CString CatalogueKey(const CString& name);
    static void FoldCatalogueCase(CString& key);
    void LoadCatalogue();

    // The catalogue's names by CatalogueKey, with the name and id stored.
    std::map<CString, std::pair<CString, CRecordId>> m_ingredients;
    // The key of the name looked up last: its room serves every lookup.
    CString m_lookupKey;
    bool m_catalogueLoaded;
    int m_status;
    CProgressDlg* m_pProgress;
    BOOL m_bShowSteps = TRUE;
    CString m_statusText;
    CStringArray m_problems;
};
