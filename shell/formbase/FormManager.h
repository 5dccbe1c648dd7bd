#pragma once

#include <windef.h>

#include "database/RecordId.h"
#include "database/SlotArray.h"
#include "framework/Object.h"
#include "framework/Rect.h"
#include "framework/String.h"
#include "shell/formbase/NavStack.h"

class CBVFormView;
class CategoryListItem;
class CMultiDocTemplate;
class CNavEntry;
class CRuntimeClass;
class CView;
class CWnd;

// Shows one main form at a time beside the tool-bar form: opens the form of a kind through its
// document template, closes the previous one, keeps the history for Back and Home, and asks
// the editing forms to save before anything is left.
class CFormManager : public CObject
{
public:
    // Form kinds; 8 and 10 have no form.
    enum FormKind : long
    {
        kStart = 0,
        kRecipeCategories = 1,
        kMealPlanCategories = 2,
        kCategoryRecipes = 3,
        kCategoryMealPlans = 4,
        kRecipeView = 5,
        kMealPlanView = 6,
        kShopping = 7,
        kPersonalMenu = 9,
        kContents = 11,
        kRecipeFromMealPlan = 12,
        kRecipeFromPersonalMenu = 13,
        kRecipeFromLink = 14,
        kMealPlanFromLink = 15,
        kRecipeEdit = 16,
        kMealPlanEdit = 17,
    };
    // Navigation actions of OpenForm.
    enum : long
    {
        kActionStart = 1,
        kActionClose = 2,
        kActionDrillDown = 3,
        kActionCategoryBack = 4,
        kActionListBack = 5,
        kActionGoTo = 6,
        kActionBack = 7,
        kActionHome = 8,
    };
    // Answers of the save check (the message box buttons they come from).
    enum : int
    {
        kSaveGoOn = 6,
        kSaveDropped = 7,
        kSaveCancel = 2,
    };
    static const int kTemplateCount = 11;

    explicit CFormManager(CWnd* pFrame);
    ~CFormManager() override;
    CFormManager(const CFormManager&) = delete;
    CFormManager& operator=(const CFormManager&) = delete;

    // views: the view class of each template; the first is the tool-bar form's, which lives in
    // a frame of the class pToolFrame.
    void RegisterTemplates(CRuntimeClass* const (&views)[kTemplateCount], CRuntimeClass* pToolFrame);
    // 1 when the save check was cancelled or the step only changed the current form's content
    // (or was refused), 0 when it opened a form or did nothing.
    long OpenForm(long action, long kind, long value);
    int QuerySaveChanges();
    // Closes the active form and the tool-bar form without asking (the program is ending).
    void CloseForms();
    // Opens the form of the current kind for the value; FALSE (and the program closing) when
    // the kind has no form or its form cannot open.
    BOOL ShowCurrentKind(long value);
    void TrimWindowMenu();
    float ScaleFormFont(CView* pForm);

    CBVFormView* GetActiveForm() const { return m_pActiveForm; }
    void SetActiveForm(CBVFormView* pForm) { m_pActiveForm = pForm; }
    CBVFormView* GetToolForm() const { return m_pToolForm; }
    void SetToolForm(CBVFormView* pForm) { m_pToolForm = pForm; }
    // Raises the active form's frame over the other windows of the main frame.
    void BringActiveFormForward();
    // Where the forms' frames stand in the main frame's client area.
    const CRect& GetClientArea() const { return m_clientArea; }
    void SetClientArea(const CRect& area) { m_clientArea = area; }
    // The tool-bar form puts the forms' frames below itself.
    void SetClientAreaTop(int nTop) { m_clientArea.top = nTop; }
    long GetCurrentKind() const { return m_currentKind; }
    long GetCurrentValue() const { return m_currentValue; }
    long GetContentsMode() const { return m_contentsMode; }
    void SetContentsMode(long mode) { m_contentsMode = mode; }
    // The row chosen last on the current entry's level; the category form selects it again.
    long GetCurrentEntryFlag() const;
    // The child categories read last: those of the category the category form shows.
    const CSlotArray& GetCurrentLevel() const { return m_level; }
    CString GetCurrentEntryName() const;
    void SetCurrentEntryValue(long value);
    int GetHistoryDepth() const { return m_history.GetCount(); }
    CMultiDocTemplate* GetTemplate(int nIndex) const { return m_templates[nIndex]; }

    void SetEditRecipeId(CRecordId id) { m_editRecipeId = id; }
    CRecordId GetEditRecipeId() const { return m_editRecipeId; }
    void SetEditMealPlanId(CRecordId id) { m_editMealPlanId = id; }
    CRecordId GetEditMealPlanId() const { return m_editMealPlanId; }
    void SetCurrentMealPlanId(CRecordId id) { m_currentMealPlanId = id; }
    CRecordId GetCurrentMealPlanId() const { return m_currentMealPlanId; }
    // Set when a recipe is opened from the Specials list at one number of servings for all.
    void SetServingsOverride(BOOL bOverride) { m_bServingsOverride = bOverride; }
    BOOL HasServingsOverride() const { return m_bServingsOverride; }

private:
    void Start();
    void CloseActiveForm();
    long DrillDown(long kind, long value);
    long OpenCategoryList(long categoryKind, long value);
    long CategoryBack();
    long ListBack();
    BOOL HasChildCategories(long value, long kind = kStart);
    const CategoryListItem* FindCategory(long value) const;
    CString CategoryDisplayName(long value) const;
    long GoTo(long kind, long value);
    long Back();
    long Home();
    void PushEntry(long value, long kind);
    CMultiDocTemplate* TemplateForKind(long kind) const;
    BOOL OpenTemplate(CMultiDocTemplate* pTemplate);
    void FailMissingForm();

    CString m_navName;
    long m_currentKind = kStart;
    long m_currentValue = 0;
    CRect m_clientArea;
    CNavStack m_history;
    CSlotArray m_level;
    CNavEntry* m_pCurrentEntry = nullptr;
    CWnd* m_pFrame;
    long m_contentsMode = 0;
    CBVFormView* m_pActiveForm = nullptr;
    CBVFormView* m_pPreviousForm = nullptr;
    CBVFormView* m_pToolForm = nullptr;
    CMultiDocTemplate* m_templates[kTemplateCount] = {};
    CRecordId m_editRecipeId;
    CRecordId m_editMealPlanId;
    CRecordId m_currentMealPlanId;
    BOOL m_bServingsOverride = FALSE;
};

extern CFormManager* g_pFormManager;

// The active form when it shows the kind, or null.
CBVFormView* ActiveFormOfKind(long kind);
// The contents form shows what the cookbook holds after a dialog changed it.
void RefreshContentsForm();
