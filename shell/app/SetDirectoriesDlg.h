#pragma once

#include "framework/Dialog.h"
#include "framework/Edit.h"

class CString;

// File/Set Directories: the current cookbook's media folder and the default cookbook folder.
// OK is refused, with a message, until both folders exist.
class CSetDirectoriesDlg : public CDialog
{
public:
    explicit CSetDirectoriesDlg(CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;

protected:
    DECLARE_MESSAGE_MAP()
    void OnHelpButton();

private:
    static CString ShownMediaDirectory();
    static void StripTrailingBackslash(CString& path);
    // FALSE, after message nMessageId, when the folder does not exist.
    BOOL DirectoryExists(const CString& path, UINT nMessageId);

    CEdit m_mediaEdit;
    CEdit m_cookbookEdit;
};
