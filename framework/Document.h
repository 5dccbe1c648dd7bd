#pragma once

#include <vector>

#include "framework/CmdTarget.h"
#include "framework/String.h"

class CDocTemplate;
class CView;

// A document: the data its views show. Made by its template; it deletes
// itself when its last view goes (the views go with their frames).
// Commands that reach it go on to its template.
class CDocument : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocument)
public:
    ~CDocument() override;

    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }
    const CString& GetTitle() const { return m_strTitle; }
    void SetTitle(LPCSTR lpszTitle) { m_strTitle = lpszTitle; }
    BOOL IsModified() const { return m_bModified; }
    void SetModifiedFlag(BOOL bModified = TRUE) { m_bModified = bModified; }

    void AddView(CView* pView);
    void RemoveView(CView* pView);
    const std::vector<CView*>& GetViews() const { return m_views; }
    // OnUpdate of every view but the sender.
    void UpdateAllViews(CView* pSender, LPARAM lHint = 0, CObject* pHint = nullptr);

    // A new, empty document; FALSE stops its opening.
    virtual BOOL OnNewDocument();
    BOOL OnCmdMsg(Call& call) override;

protected:
    CDocument() = default;

private:
    friend class CDocTemplate;
    CDocTemplate* m_pDocTemplate = nullptr;
    std::vector<CView*> m_views;
    CString m_strTitle;
    BOOL m_bModified = FALSE;
};
