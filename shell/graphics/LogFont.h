#pragma once

#include <windef.h>
#include <wingdi.h>

// A logical font record: height 24, weight 400, the program's default face.
class CLogFont : public LOGFONTA
{
public:
    CLogFont();
    // The face named by a string; 0: the default face.
    void SetFace(UINT nFaceId);
};
