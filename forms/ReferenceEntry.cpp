#include "forms/ReferenceEntry.h"

#include <windows.h>

#include <io.h>

#include "database/RecordId.h"
#include "database/RefItemArray.h"
#include "database/RefListItem.h"
#include "forms/PictureWnd.h"
#include "framework/FileDialog.h"
#include "framework/Wnd.h"
#include "res/resource.h"
#include "shell/services/PlainMessageBox.h"
#include "shell/settings/MediaPath.h"
#include "shell/settings/SettingsFile.h"

namespace {

constexpr LPCSTR PhotoFilter = "Photos (*.bmp,*.cmp)|*.bmp;*.cmp||";

CString MediaDirectory()
{
    CString media;
    CSettingsFile().ReadCurrentCookbookSetting(IDS_KEY_MEDIAPATH, media);
    EnsureTrailingBackslash(media);
    return media;
}

void ReportMissingFile(CWnd* pParent, const CString& path)
{
    CString text;
    text.Format("File not found:  %s", static_cast<LPCSTR>(path));
    CString caption;
    caption.LoadString(IDS_PRODUCT_NAME);
    ShowShellMessageBox(pParent ? pParent->m_hWnd : nullptr, text, caption, MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace

void FillReferenceList(CWnd& list, const CRefItemArray& references, char type)
{
    list.SendMessage(LB_RESETCONTENT);
    for (int i = 0; i < references.GetSize(); ++i)
    {
        const RefListItem* pReference = references.GetRefAt(i);
        if (pReference->m_type != type)
            continue;
        const LRESULT row =
            list.SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(pReference->m_name)));
        list.SendMessage(LB_SETITEMDATA, static_cast<WPARAM>(row), pReference->m_id.GetNumber());
    }
}

RefListItem* SelectedReference(const CWnd& list, const CRefItemArray& references)
{
    const LRESULT row = list.SendMessage(LB_GETCURSEL);
    if (row == LB_ERR)
        return nullptr;
    const LRESULT id = list.SendMessage(LB_GETITEMDATA, static_cast<WPARAM>(row));
    return static_cast<RefListItem*>(references.FindById(CRecordId(static_cast<unsigned long>(id))));
}

CString ShortenPathForDisplay(const CString& path)
{
    int backslashes = 0;
    for (int i = 0; i < path.GetLength(); ++i)
        backslashes += path[i] == '\\' ? 1 : 0;
    if (backslashes < 3)
        return path;
    const int last = path.ReverseFind('\\');
    const int lastButOne = path.Left(last).ReverseFind('\\');
    return path.Left(path.Find('\\') + 1) + "..." + path.Mid(lastButOne);
}

CString PhotoFileLabel(const CString& fileName)
{
    return "Filename: " + ShortenPathForDisplay(fileName);
}

void ShowPhotoEntry(CWnd& dialog, CPictureWnd& picture, const CString& fileName)
{
    dialog.SetDlgItemText(IDC_REF_CONTENT_LABEL, PhotoFileLabel(fileName));
    picture.SetPictureFile(fileName);
    picture.ShowWindow(SW_SHOW);
    picture.Invalidate();
    ::SetWindowPos(picture.m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void ShowControls(CWnd& dialog, const int* pIds, std::size_t nCount, int nShow)
{
    for (std::size_t i = 0; i < nCount; ++i)
        dialog.GetDlgItem(pIds[i])->ShowWindow(nShow);
}

std::unique_ptr<CPictureWnd> MakePictureOverContent(CWnd& dialog)
{
    RECT content;
    dialog.GetDlgItem(IDC_REF_CONTENT)->GetWindowRect(&content);
    dialog.ScreenToClient(&content);
    return std::make_unique<CPictureWnd>(&dialog, content, FALSE);
}

CString FieldText(const CWnd& dialog, int nId)
{
    CString text;
    dialog.GetDlgItemText(nId, text);
    return text;
}

BOOL ChoosePhotoFile(CWnd* pParent, CString& storedName)
{
    CFileDialog files(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_NOCHANGEDIR, PhotoFilter, pParent);
    if (files.DoModal() != IDOK)
        return FALSE;
    const CString path = files.GetPathName();
    if (_access(path, 0) != 0)
    {
        ReportMissingFile(pParent, path);
        return FALSE;
    }
    const CString media = MediaDirectory();
    const CString folder = path.Left(path.ReverseFind('\\') + 1);
    storedName = media.GetLength() > 1 && folder.CompareNoCase(media) == 0 ? files.GetFileName() : path;
    return TRUE;
}

UINT CheckTypedReference(BOOL bPhoto, const CString& name, const CString& content)
{
    if (name.IsEmpty())
        return IDS_REF_NEEDS_NAME;
    if (content.IsEmpty())
        return bPhoto ? IDS_REF_NEEDS_FILE : IDS_REF_NEEDS_CONTENT;
    return 0;
}
