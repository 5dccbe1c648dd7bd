#pragma once

#include <memory>
#include <vector>

#include "exchange/RecipeImporter.h"

class CArbiter;

// Imports from a whole cookbook database of an older program (or of this one, of an older
// version): its chapters, the titles of the chosen chapter, and one recipe at a time, read by
// the import engine into the open cookbook's ids. The title list holds the chapter's titles and
// a parallel list their ids in the source.
class CDatabaseImporter : public CRecipeImporter
{
public:
    // driverId: the driver's string id; importNameId: the kind of source; pszSourceName: the
    // source's own name, or null.
    CDatabaseImporter(UINT driverId, UINT importNameId, const char* pszSourceName);
    ~CDatabaseImporter() override;

    int Open(const char* pszPath) override;
    int CheckHeader() override;
    int ImportByTitle(const CString& title, CRecipeData& recipe) override;
    int Rewind() override { return 0; }
    int ImportNext(CRecipeData& recipe) override;
    int HasSourceChapters() override { return 1; }
    int GetSourceChapters(CCustObArray& chapters) override;
    int ScanTitles() override;
    int ImportByIndex(int index, CRecipeData& recipe) override;

private:
    // A fresh engine on the current database.
    void MakeEngine();

    UINT m_driverId;
    UINT m_importNameId;
    CString m_path;
    std::unique_ptr<CArbiter> m_pEngine;
    std::vector<unsigned long> m_ids;
};
