#pragma once

#include <windef.h>

#include <cstddef>
#include <memory>

#include "framework/String.h"

class CPictureWnd;
class CRefItemArray;
class CWnd;
class RefListItem;

// What the two references dialogs share: their lists, the display of a photo's path, the choice
// of a photo file and the checks on a typed entry.

// Fills the list box with the references of the type: the name as text, the id as item data.
void FillReferenceList(CWnd& list, const CRefItemArray& references, char type);
// The reference whose id the list's selected entry carries; null without a selection.
RefListItem* SelectedReference(const CWnd& list, const CRefItemArray& references);
// A path of three or more backslashes as its first component, "..." and its last two.
CString ShortenPathForDisplay(const CString& path);
// The "Filename: " label text of a photo.
CString PhotoFileLabel(const CString& fileName);
// Shows the photo in the picture window over the content field, its path in the field's label.
void ShowPhotoEntry(CWnd& dialog, CPictureWnd& picture, const CString& fileName);
// Shows or hides each of the dialog's controls.
void ShowControls(CWnd& dialog, const int* pIds, std::size_t nCount, int nShow);
template <std::size_t N>
void ShowControls(CWnd& dialog, const int (&ids)[N], int nShow)
{
    ShowControls(dialog, ids, N, nShow);
}
// The picture window that shows a photo in the place of the content field.
std::unique_ptr<CPictureWnd> MakePictureOverContent(CWnd& dialog);
// A field's text.
CString FieldText(const CWnd& dialog, int nId);
// Asks for a photo file. A file inside the cookbook's media directory is given by its bare name,
// any other by its full path; FALSE when none was chosen or the chosen file is missing (said in
// a box).
BOOL ChoosePhotoFile(CWnd* pParent, CString& storedName);
// The message id that refuses a typed topic or photo, or 0 when it may be saved.
UINT CheckTypedReference(BOOL bPhoto, const CString& name, const CString& content);
