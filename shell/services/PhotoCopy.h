#pragma once

#include <windef.h>

// Copy status codes of CopyPhotoFile, as ShowCopyError reads them.
enum CopyStatus
{
    copyDone = 0,
    copySourceNotFound = 1,
    copySourceUnreadable = 2,
    copyDestinationUnwritable = 3,
    copyDestinationPathNotFound = 4,
    copyDestinationWriteProtected = 5
};

// Copies a picture (or any) file. A source without an extension is looked for as .CMP, then as
// .BMP, and the destination gets the extension found. The copy is written beside the
// destination under a scratch name and then replaces it, so a failed copy leaves the
// destination as it was, and copying a file onto itself leaves it whole.
int CopyPhotoFile(LPCSTR lpszDestination, LPCSTR lpszSource);
// The message of a copy status, with the stop icon; returns 0.
int ShowCopyError(int nStatus, LPCSTR lpszSource, LPCSTR lpszDestination);
