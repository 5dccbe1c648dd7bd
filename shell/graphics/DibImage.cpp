#include "shell/graphics/DibImage.h"

#include <windows.h>

#include "framework/File.h"
#include "framework/Palette.h"
#include "framework/String.h"
#include "res/resource.h"
#include "shell/graphics/DibRoutines.h"
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
    m_libraryPicture.Free();
    m_fromLibrary = false;
    m_width = 0;
    m_height = 0;
}

bool CDibImage::LoadFromLibrary(const CString& path, BOOL bBitmapFiles)
{
    if (!m_libraryPicture.Load(path, bBitmapFiles))
        return false;
    m_fromLibrary = true;
    m_width = m_libraryPicture.GetWidth();
    m_height = m_libraryPicture.GetHeight();
    return true;
}

int CDibImage::LoadFile(LPCSTR lpszName)
{
    Free();
    // Photos keep the extension of their own format, so the name is not given ".bmp" here.
    CString photo;
    ResolveMediaPath(photo, lpszName, "");
    if (LoadFromLibrary(photo, FALSE))
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
        // Bitmaps with headers or packing of their own (version 4 and 5 headers, run-length
        // packing) are left to the codecs.
        if (failure == DibFailure::Unreadable && LoadFromLibrary(path, TRUE))
            return 1;
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
        return m_libraryPicture.Draw(hdc, rect) ? 1 : 0;
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
