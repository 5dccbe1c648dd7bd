#include "shell/graphics/ChartColour.h"

#include <wingdi.h>

namespace {
const COLORREF s_chartColours[64] = {
    RGB(0, 0, 0),       RGB(0, 0, 128),     RGB(0, 128, 0),     RGB(0, 128, 128),   RGB(128, 0, 0),
    RGB(128, 0, 128),   RGB(128, 128, 0),   RGB(192, 192, 192), RGB(128, 128, 128), RGB(0, 0, 255),
    RGB(0, 255, 0),     RGB(0, 255, 255),   RGB(255, 0, 0),     RGB(255, 0, 255),   RGB(255, 255, 0),
    RGB(255, 255, 255), RGB(64, 64, 64),    RGB(224, 224, 224), RGB(255, 192, 192), RGB(255, 224, 192),
    RGB(255, 255, 224), RGB(192, 255, 192), RGB(192, 255, 255), RGB(192, 192, 255), RGB(112, 112, 112),
    RGB(192, 0, 0),     RGB(192, 64, 0),    RGB(192, 192, 0),   RGB(0, 192, 0),     RGB(0, 192, 192),
    RGB(0, 0, 192),     RGB(192, 0, 192),   RGB(32, 32, 32),    RGB(255, 128, 255), RGB(255, 128, 128),
    RGB(255, 192, 128), RGB(255, 255, 128), RGB(128, 255, 128), RGB(128, 255, 255), RGB(128, 128, 255),
    RGB(64, 64, 64),    RGB(208, 208, 208), RGB(128, 64, 0),    RGB(128, 128, 0),   RGB(144, 144, 144),
    RGB(0, 192, 255),   RGB(255, 0, 128),   RGB(32, 0, 32),     RGB(80, 80, 80),    RGB(224, 224, 224),
    RGB(255, 192, 255), RGB(255, 128, 0),   RGB(192, 255, 96),  RGB(0, 128, 128),   RGB(0, 32, 32),
    RGB(32, 32, 0),     RGB(48, 48, 48),    RGB(64, 0, 0),      RGB(128, 64, 64),   RGB(64, 64, 0),
    RGB(0, 64, 0),      RGB(0, 64, 64),     RGB(0, 0, 64),      RGB(64, 0, 64),
};
}

COLORREF GetChartColour(int nIndex)
{
    if (nIndex < 0 || nIndex >= static_cast<int>(sizeof s_chartColours / sizeof s_chartColours[0]))
        nIndex = 0;
    return s_chartColours[nIndex];
}
