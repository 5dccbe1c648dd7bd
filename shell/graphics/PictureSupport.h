#pragma once

#include <windef.h>

// The picture functions: a photo or bitmap file is read into a picture block, a movable global
// block that its owner frees with GlobalFree after ReleasePictureBitmap. Bitmap files go through
// the DIB reader, other photos through the system's imaging codecs.

struct PictureFileInfo
{
    LONG width;
    LONG height;
    int bitsPerPixel;
};

int InitPictureSupport();
int ExitPictureSupport();
// The media name is resolved with ".cmp" for a photo; 0 when the file cannot be read.
HGLOBAL LoadPictureFile(LPCSTR lpszName);
void ReleasePictureBitmap(HGLOBAL hBlock);
// Draws the picture scaled into the window's client rectangle; 0 when the block holds none.
int PaintPicture(HWND hWnd, HDC hdc, HGLOBAL hBlock);
int PaintPictureInto(HDC hdc, const RECT& rect, HGLOBAL hBlock);
BOOL GetPictureFileInfo(HGLOBAL hBlock, PictureFileInfo& info);

// Bits per pixel times colour planes of the screen.
int GetScreenDepth();
// The depth a picture is kept at on a screen of that depth, and the depth it is read at.
int ChoosePictureDepth(int screenDepth, int fileDepth);
int PictureReadDepth(int chosenDepth, int fileDepth);
