#include "platform/graphics/SystemMetrics.h"

#include "platform/graphics/TCanvas.h"
#include "platform/graphics/TColor.h"

#include <cstdint>
#include <limits>

Integer MulDiv(Integer a, Integer b, Integer c) {
    if (c == 0) return -1;
    std::int64_t num = std::int64_t(a) * b;
    std::int64_t den = c;
    if (den < 0) {
        num = -num;
        den = -den;
    }
    // Half away from zero, as the platform rounds.
    std::int64_t q = num >= 0 ? (num + den / 2) / den : -((-num + den / 2) / den);
    if (q > std::numeric_limits<Integer>::max() || q < std::numeric_limits<Integer>::min()) return -1;
    return Integer(q);
}

Integer GetSystemMetrics(Integer index) {
    // Classic look at 96 dots per inch on a 1024 × 768 screen.
    switch (index) {
    case SM_CXSCREEN:
        return 1024;
    case SM_CYSCREEN:
        return 768;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
        return 16;
    case SM_CYVTHUMB:
    case SM_CXHTHUMB:
        return 16;
    case SM_CYCAPTION:
        return 19;
    case SM_CXBORDER:
    case SM_CYBORDER:
        return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
        return 3;
    case SM_CXFRAME:
    case SM_CYFRAME:
        return 4;
    case SM_CXEDGE:
    case SM_CYEDGE:
        return 2;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR:
        return 32;
    case SM_CXSMICON:
    case SM_CYSMICON:
        return 16;
    case SM_CYMENU:
        return 19;
    case SM_CYSMCAPTION:
        return 15;
    case SM_CXFULLSCREEN:
        return 1024;
    case SM_CYFULLSCREEN:
        return 768 - 19 - 28;
    case SM_CXMIN:
        return 112;
    case SM_CYMIN:
        return 27;
    case SM_CXSIZE:
    case SM_CYSIZE:
        return 18;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
        return 4;
    case SM_CXMENUCHECK:
    case SM_CYMENUCHECK:
        return 13;
    default:
        return 0;
    }
}

Integer GetDeviceCaps(TCanvas* dc, Integer index) {
    if (!dc || !dc->Backend()) return 0;
    return dc->Backend()->DeviceCaps(index);
}

TColorRef GetNearestColor(TCanvas* dc, TColorRef color) {
    if (!dc) return clNone;
    return ColorToRGB(color) & 0xFFFFFF;
}
