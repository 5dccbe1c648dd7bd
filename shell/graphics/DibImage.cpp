#include "shell/graphics/DibImage.h"

#include <windows.h>

#include "framework/File.h"
#include "framework/Palette.h"
#include "framework/String.h"
#include "res/resource.h"
#include "shell/graphics/DibRoutines.h"
#include "shell/graphics/PictureSupport.h"
#include "shell/settings/MediaPath.h"
#include "shell/services/PlainMessageBox.h"

namespace {

constexpr UINT IdsProductName = 24851;

bool OpenPicture(CFile& file, CString& path, LPCSTR lpszName)
{
    ResolveMediaPath(path, lpszName, ".bmp");
    return file.Open(path, CFile::modeRead | CFile::shareDenyNone) != FALSE;
}

void ShowDibMessage(UINT nId)
{
    CString caption;
    CString text;
    caption.LoadString(IdsProductName);
    text.LoadString(nId);
    ShowInfoMessage(caption, text);
}

}  // namespace

CDibImage::CDibImage() = default;

CDibImage::~CDibImage()
{
    Free();
}

void CDibImage::Free()
{
    if (m_dib)
        ::GlobalFree(m_dib);
    m_dib = nullptr;
    m_palette.reset();
    if (m_libraryPicture)
    {
        ReleasePictureBitmap(m_libraryPicture);
        ::GlobalFree(m_libraryPicture);
    }
    m_libraryPicture = nullptr;
    m_fromLibrary = false;
    m_width = 0;
    m_height = 0;
}

bool CDibImage::LoadFromLibrary(LPCSTR lpszName)
{
    PictureFileInfo info{};
    m_libraryPicture = LoadPictureFile(lpszName);
    if (!m_libraryPicture || !GetPictureFileInfo(m_libraryPicture, info))
        return false;
    m_fromLibrary = true;
    m_width = info.width;
    m_height = info.height;
    return true;
}

int CDibImage::LoadFile(LPCSTR lpszName)
{
    Free();
    if (LoadFromLibrary(lpszName))
        return 1;
    CFile file;
    CString path;
    CString placeholder;
    placeholder.LoadString(IDS_NOT_FOUND_PICTURE);
    if (!OpenPicture(file, path, lpszName) && !OpenPicture(file, path, placeholder))
        return 0;
    DibFailure failure = DibFailure::None;
    m_dib = ReadDibFile(file, failure);
    if (!m_dib)
    {
        ShowDibMessage(failure == DibFailure::TooLarge ? IDS_DIB_TOO_LARGE : IDS_DIB_LOAD_FAILED);
        return 0;
    }
    const BYTE* pDib = static_cast<const BYTE*>(::GlobalLock(m_dib));
    m_width = DibWidth(pDib);
    m_height = DibHeight(pDib);
    ::GlobalUnlock(m_dib);
    m_palette = std::make_unique<CPalette>();
    if (!CreateDibPalette(m_dib, *m_palette))
        m_palette.reset();
    return 1;
}

int CDibImage::Draw(HDC hdc, const RECT& rect)
{
    if (m_fromLibrary)
        return PaintPictureInto(hdc, rect, m_libraryPicture);
    if (!m_dib || (!m_palette && !IsDib24Bit(m_dib)))
        return 0;
    RECT source{0, 0, m_width, m_height};
    return PaintDib(hdc, rect, m_dib, source, m_palette.get()) != 0 ? 1 : 0;
}

void CDibImage::DrawOnce(tagDRAWITEMSTRUCT* pDrawItem)
{
    Draw(pDrawItem->hDC, pDrawItem->rcItem);
    Free();
}
