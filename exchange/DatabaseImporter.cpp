#include "exchange/DatabaseImporter.h"

#include <windows.h>

#include "database/CookbookDatabase.h"
#include "database/CustObArray.h"
#include "database/RecipeData.h"
#include "exchange/Arbiter.h"
#include "exchange/RecipeLinkImport.h"
#include "exchange/ResourceText.h"
#include "framework/AfxMessageBox.h"
#include "res/resource.h"
#include "shell/services/CurrentDatabase.h"

namespace {

const UINT kPantrixUpdateHelp = 2051;

bool FileExists(const CString& path)
{
    return ::GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

// The file of that name beside the given one, with the same extension.
CString Companion(const CString& path, const char* name)
{
    const int folderEnd = path.ReverseFind('\\') + 1;
    const int dot = path.ReverseFind('.');
    const CString extension = dot >= folderEnd ? path.Mid(dot) : CString();
    return path.Left(folderEnd) + name + extension;
}

}  // namespace

CDatabaseImporter::CDatabaseImporter(UINT driverId, UINT importNameId, const char* pszSourceName)
    : m_driverId(driverId), m_importNameId(importNameId)
{
    if (pszSourceName != nullptr)
        m_sourceName = pszSourceName;
}

CDatabaseImporter::~CDatabaseImporter() = default;

// The categories and references of each recipe are the engine's link steps, given to it here.
void CDatabaseImporter::MakeEngine()
{
    m_pEngine = std::make_unique<CArbiter>(this);
    m_pEngine->SetTargetDatabase(GetCurrentDatabase());
    m_pEngine->SetLinkSteps(std::make_unique<CRecipeLinkImport>(*m_pEngine));
}

// Each opening starts a fresh engine, so that a source that failed once can be tried again.
int CDatabaseImporter::Open(const char* pszPath)
{
    m_titles.RemoveAll();
    m_ids.clear();
    m_pEngine.reset();
    m_path = pszPath != nullptr ? pszPath : "";
    m_path.MakeUpper();
    if (!CheckHeader())
    {
        m_path.Empty();
        EndProgress();
        return 0;
    }
    MakeEngine();
    if (!m_pEngine->OpenSource(m_driverId, m_importNameId, m_path))
    {
        EndProgress();
        m_pEngine.reset();
        return 0;
    }
    return 1;
}

int CDatabaseImporter::CheckHeader()
{
    if (m_path.IsEmpty() || !FileExists(m_path))
        return 0;
    if (m_importNameId != IDS_SOURCE_PANTRIX_IMPORT && m_importNameId != IDS_SOURCE_PANTRIX_MASTER)
        return 1;
    if (m_path.Find("PX4001") < 0)
        return 0;
    if (FileExists(Companion(m_path, "PX4014")))
        return 1;
    AfxMessageBox(IDS_PANTRIX_TOO_OLD, MB_OK, kPantrixUpdateHelp);
    return 0;
}

int CDatabaseImporter::GetSourceChapters(CCustObArray& chapters)
{
    chapters.DeleteAll();
    if (m_pEngine == nullptr)
        return 0;
    chapters = m_pEngine->LoadChapters();
    return chapters.GetSize() > 0;
}

int CDatabaseImporter::ScanTitles()
{
    if (m_pEngine == nullptr)
        return 0;
    if (m_pEngine->IsListed(m_sourceChapterId))
        return 1;
    if (!m_pEngine->ListRecipes(m_titles, m_ids, &m_sourceChapterId))
    {
        m_pEngine.reset();
        return 0;
    }
    const CStringArray& unlisted = m_pEngine->GetUnlistedRecipes();
    for (int i = 0; i < unlisted.GetSize(); ++i)
        AddProblem(unlisted[i], LoadResourceText(IDS_SOURCE_ID_TOO_LARGE));
    return 1;
}

int CDatabaseImporter::ImportNext(CRecipeData& /*recipe*/)
{
    return 1;
}

int CDatabaseImporter::ImportByTitle(const CString& title, CRecipeData& recipe)
{
    ScanTitles();
    for (int i = 0; i < m_titles.GetSize(); ++i)
        if (m_titles[i] == title)
            return ImportByIndex(i, recipe);
    SetStatus(m_pEngine == nullptr ? kUnknownError : kBadTitle);
    return 0;
}

// A recipe that cannot be read is skipped and named by the batch; the engine stays for the rest.
int CDatabaseImporter::ImportByIndex(int index, CRecipeData& recipe)
{
    if (m_pEngine == nullptr)
    {
        SetStatus(kUnknownError);
        return 0;
    }
    if (index < 0 || index >= m_titles.GetSize())
    {
        SetStatus(kBadTitle);
        return 0;
    }
    SetStatus(kOk);
    m_pEngine->m_chapterItem = TOCListItem(recipe.m_chapterTitle, recipe.m_chapterId.GetNumber(), 'T');
    recipe.m_title = m_titles[index];
    const BOOL imported = m_pEngine->ImportRecipeById(m_ids[static_cast<size_t>(index)], recipe);
    GetCurrentDatabase()->CloseRecordsets();
    if (imported)
        return 1;
    if (GetStatus() == kOk)
        SetStatus(kUnknownError);
    return 0;
}
