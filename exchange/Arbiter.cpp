#include "exchange/Arbiter.h"

#include <windows.h>

#include <cstdlib>

#include "database/ConfigDB.h"
#include "database/FieldValue.h"
#include "database/OdbcSetup.h"
#include "database/PortRecordset.h"
#include "database/RecordId.h"
#include "exchange/RecipeImporter.h"
#include "exchange/RecipeLinkSteps.h"
#include "exchange/SourceCookbook.h"
#include "exchange/SourceRecordset.h"
#include "framework/AfxMessageBox.h"
#include "res/resource.h"
#include "shell/services/MessageUtilities.h"
#include "shell/settings/ProgramDirectory.h"

namespace {

const char kConfigDataSource[] = "Configuration Database";
const char kNoTable[] = "#NULL#";
const UINT kPantrixUpdateHelp = 2051;
const char* const kEntityNames[CArbiter::kEntityCount] = {
    "Chapter",  "Recipe", "Category", "CatItem",   "Quantity", "Ingredient", "Menu",     "MenuItem", "ShopList",
    "ShopItem", "Misc",   "Basic",    "Reference", "RefItem",  "HiCat",      "Calendar", "Nutrition"};

CString LoadText(UINT id)
{
    CString text;
    text.LoadString(id);
    return text;
}

// The version in the first row; FALSE when it is not a number.
BOOL ReadVersion(CSourceTable& table, double& version)
{
    CFieldValue value;
    table.GetValue("VERSION", value);
    if (CFieldValue::IsTextType(value.m_nSqlType))
    {
        char* pEnd = nullptr;
        version = std::strtod(value.m_strText, &pEnd);
        return !value.m_strText.IsEmpty() && *pEnd == '\0';
    }
    version = -1.0;
    GetFieldValueDouble(value, version);
    return version >= 0.0;
}

}  // namespace

CArbiter::CArbiter(CRecipeImporter* pImporter) : m_pImporter(pImporter) {}

CArbiter::~CArbiter()
{
    ReleaseSourceTables();
}

void CArbiter::ReleaseSourceTables()
{
    for (auto& table : m_indexedTables)
        DropIndexes(*table);
    m_indexedTables.clear();
    m_sourceTables.clear();
    m_bIndexed = FALSE;
}

const char* CArbiter::GetEntityName(int entity)
{
    return entity >= 0 && entity < kEntityCount ? kEntityNames[entity] : "";
}

void CArbiter::SetLinkSteps(std::unique_ptr<CRecipeLinkSteps> pSteps)
{
    m_pLinkSteps = std::move(pSteps);
}

BOOL CArbiter::SetImporter(CRecipeImporter* pImporter)
{
    m_pImporter = pImporter;
    return pImporter == nullptr;
}

int CArbiter::ReportProgress(const CString& text, int line)
{
    return m_pImporter != nullptr ? m_pImporter->SetProgressText(text, line) : 0;
}

BOOL CArbiter::OpenConfigDatabase()
{
    m_pConfigDB.reset();
    const CString path = CProgramDirectory().MakeProgramPath(LoadText(IDS_CONFIG_MDB));
    if (!RegisterSourceFile(IDS_DRIVER_ACCESS, -1, path))
        return FALSE;
    auto pConfig = std::make_unique<CConfigDB>(kConfigDataSource);
    if (!pConfig->m_bOpened)
        return FALSE;
    m_pConfigDB = std::move(pConfig);
    return TRUE;
}

BOOL CArbiter::RegisterSourceFile(UINT driverId, int sourceKind, const CString& path)
{
    if (!path.IsEmpty())
        m_sourcePath = path;
    CString extension = m_sourcePath.Right(4);
    extension.MakeUpper();
    if (extension != ".MDB" && extension != ".DBF")
        return FALSE;
    if (::GetFileAttributesA(m_sourcePath) == INVALID_FILE_ATTRIBUTES)
        return FALSE;
    const CString dataSource = sourceKind < 0 ? CString(kConfigDataSource) : LoadText(sourceKind);
    m_driverId = driverId;
    m_sourceKind = sourceKind;
    return RegisterCookbookDataSource(IsOdbcDriverInstalled(LoadText(driverId)), dataSource, m_sourcePath);
}

BOOL CArbiter::LoadTableOfTables(UINT sourceKind)
{
    if (m_pConfigDB == nullptr && !OpenConfigDatabase())
        return FALSE;
    CPortRecordset tableOfTables(nullptr, m_pConfigDB.get());
    if (!tableOfTables.OpenTable("TableOfTables", "SELECT * FROM TableOfTables", nullptr))
        return FALSE;
    const CString kind = LoadText(sourceKind);
    CString type;
    while (!tableOfTables.IsEOF() && !(tableOfTables.GetFieldText("Type", type) && type == kind))
        tableOfTables.MoveNext();
    if (tableOfTables.IsEOF())
        return FALSE;

    CObArray& fieldMaps = m_pConfigDB->m_openRecordsets;
    for (int i = 0; i < fieldMaps.GetSize(); ++i)
        delete fieldMaps[i];
    fieldMaps.RemoveAll();
    m_pConfigDB->m_textList.RemoveAll();
    for (int entity = 0; entity < kEntityCount; ++entity)
    {
        CString table = kNoTable;
        CPortRecordset* pFieldMap = nullptr;
        if (tableOfTables.FindColumn(GetEntityName(entity)) != nullptr)
        {
            pFieldMap = new CPortRecordset(nullptr, m_pConfigDB.get());
            pFieldMap->m_strTable = GetEntityName(entity);
            tableOfTables.GetFieldText(GetEntityName(entity), table);
            if (table.IsEmpty())
                table = kNoTable;
        }
        fieldMaps.Add(pFieldMap);
        m_pConfigDB->m_textList.AddTail(table);
    }
    return TRUE;
}

CString CArbiter::GetSourceTableName(int entity) const
{
    if (m_pConfigDB == nullptr || entity < 0 || entity >= m_pConfigDB->m_textList.GetCount())
        return kNoTable;
    return m_pConfigDB->m_textList.GetAt(m_pConfigDB->m_textList.FindIndex(entity));
}

void CArbiter::SetTargetDatabase(CCookbookDatabase* pDatabase)
{
    m_pTargetDatabase = pDatabase;
    m_pTarget = pDatabase != nullptr ? std::make_unique<CImportTarget>(*pDatabase) : nullptr;
}

BOOL CArbiter::IsOwnSchema() const
{
    return m_sourceKind == IDS_SOURCE_TABLEWISE_12_IMPORT;
}

BOOL CArbiter::OpenSource(UINT driverId, UINT sourceKind, const CString& path)
{
    ReleaseSourceTables();
    m_pSourceCookbook.reset();
    ForgetListing();
    // A cookbook of the program's own schema is read without configuration.
    const BOOL ownSchema = sourceKind == IDS_SOURCE_TABLEWISE_12_IMPORT;
    if (!ownSchema && !LoadTableOfTables(sourceKind))
        return FALSE;
    // Recorded for every kind: binding and text translation follow the source's driver.
    m_driverId = driverId;
    m_sourceKind = static_cast<int>(sourceKind);
    m_sourcePath = path;
    if (ownSchema)
        return OpenSourceCookbook(path);
    if (!m_source.Open(path) || !CheckSource(sourceKind))
        return FALSE;
    return IndexSourceTables();
}

// Versions 1.0 and 1.1 pass the version check, but only the schemas of 1.2 and 1.3 are known;
// a Jet file cannot be read as a cookbook at all. Each is refused with a word to the user.
BOOL CArbiter::OpenSourceCookbook(const CString& path)
{
    auto pCookbook = std::make_unique<CSourceCookbook>();
    if (!m_source.Open(path) || !CheckSource(IDS_SOURCE_TABLEWISE_12_IMPORT) || !pCookbook->Open(path))
    {
        MessageBoxById(nullptr, path, IDS_SOURCE_VERSION_UNREADABLE, MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    m_pSourceCookbook = std::move(pCookbook);
    return TRUE;
}

BOOL CArbiter::CheckSource(UINT sourceKind)
{
    CSourceTable table;
    switch (sourceKind)
    {
    case IDS_SOURCE_PANTRIX_IMPORT:
    case IDS_SOURCE_PANTRIX_MASTER:
        if (!m_source.OpenTable("PX4014", table))
        {
            AfxMessageBox(IDS_PANTRIX_TOO_OLD, MB_OK, kPantrixUpdateHelp);
            return FALSE;
        }
        return m_source.OpenTable("PX4013", table);
    case IDS_SOURCE_BREVANA_IMPORT:
    case IDS_SOURCE_BREVANA_MASTER: return m_source.OpenTable("PX4017", table);
    case IDS_SOURCE_TABLEWISE_IMPORT:
    case IDS_SOURCE_TABLEWISE_12_IMPORT: return CheckVersion(sourceKind);
    default: return FALSE;
    }
}

BOOL CArbiter::CheckVersion(UINT sourceKind)
{
    CSourceTable table;
    if (!m_source.OpenTable("DBVERSION", table))
        return FALSE;
    table.Requery();
    if (table.IsEOF())
        return TRUE;
    double version = 0.0;
    if (!ReadVersion(table, version))
        return FALSE;
    if (sourceKind == IDS_SOURCE_TABLEWISE_IMPORT)
        return version < 1.2 - 0.01;
    return version > 1.0 && version <= 1.3 + 0.01;
}

BOOL CArbiter::IndexSourceTables()
{
    if (m_pConfigDB == nullptr)
        return FALSE;
    const CObArray& fieldMaps = m_pConfigDB->m_openRecordsets;
    for (int entity = 0; entity < kEntityCount && entity < fieldMaps.GetSize(); ++entity)
    {
        auto* pFieldMap = static_cast<CPortRecordset*>(fieldMaps[entity]);
        if (pFieldMap != nullptr && !IndexEntity(entity, *pFieldMap))
            return FALSE;
    }
    m_bIndexed = TRUE;
    return TRUE;
}

BOOL CArbiter::IndexEntity(int entity, CPortRecordset& fieldMap)
{
    const CString name = GetEntityName(entity);
    if (!fieldMap.OpenTable(name, "SELECT * FROM \"" + name + "\" ORDER BY FieldTag", nullptr))
        return FALSE;
    const CString table = GetSourceTableName(entity);
    BOOL indexed = TRUE;
    if (table != kNoTable)
    {
        auto pSource = std::make_unique<CSourceRecordset>(table);
        indexed = m_source.OpenTable(table, *pSource) && ReportProgress("Indexing Table: " + table, 1) == 0 &&
                  MapSourceColumns(fieldMap, *pSource) && CreateIndexes(*pSource);
        if (indexed)
        {
            m_sourceTables[entity] = pSource.get();
            m_indexedTables.push_back(std::move(pSource));
        }
    }
    fieldMap.Close();
    return indexed;
}

BOOL CArbiter::MapSourceColumns(CPortRecordset& fieldMap, CSourceRecordset& source)
{
    if (fieldMap.IsEOF())
        return FALSE;
    source.ClearBindings();
    const char* nameColumn = m_driverId == IDS_DRIVER_ACCESS ? "FieldName" : "FieldNumber";
    for (; !fieldMap.IsEOF(); fieldMap.MoveNext())
    {
        long encrypted = 0;
        long indexed = 0;
        CString column;
        fieldMap.GetFieldInt32("Encrypted", encrypted);
        fieldMap.GetFieldText(nameColumn, column);
        fieldMap.GetFieldInt32("Indexed", indexed);
        source.BindNextPosition(column, encrypted != 0, indexed != 0);
    }
    source.SetTranslateEncrypted(m_driverId == IDS_DRIVER_FOXPRO);
    return TRUE;
}

BOOL CArbiter::CreateIndexes(CSourceRecordset& source)
{
    const int count = source.GetColumnCount();
    for (int column = 0; column < count; ++column)
    {
        CString percent;
        percent.Format("Percent Complete: %d%%", column * 100 / count);
        if (ReportProgress(percent, 2) != 0)
            return FALSE;
        if (source.IsColumnIndexed(column))
            source.CreateIndex(source.GetColumn(column).m_strName);
    }
    return TRUE;
}

void CArbiter::DropIndexes(CSourceRecordset& source)
{
    source.DropIndexes();
}

CSourceRecordset* CArbiter::GetSourceTable(int entity) const
{
    const auto found = m_sourceTables.find(entity);
    return found == m_sourceTables.end() ? nullptr : found->second;
}

BOOL CArbiter::ReadSourceId(const CFieldValue& value, CRecordId& id)
{
    int number = -1;
    GetFieldValueInt(value, number);
    if (number < 0 || number > 999999)
        return FALSE;
    id.SetNumber(static_cast<unsigned long>(number));
    return TRUE;
}
